# SPDX-License-Identifier: MIT
# What the Windows program's folder holds, and the installer (cpack -G NSIS)
# and the portable .zip (cpack -G ZIP) made from it:
#   zentrova.exe and qt.conf, which sends Qt to the folder itself;
#   Qt's DLLs and the plugins the program loads (platforms/, styles/);
#   MinGW's C++ runtime;
#   Qt's own texts (Yes, No, OK) in the program's languages (translations/);
#   the licences (licenses/), with a note on where Qt's source comes from.
# tests/windows/imports.sh checks that every DLL they import ships here or is
# Windows' own.
set(zentrova_windows_dir ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${zentrova_windows_dir}/qt.conf DESTINATION .)

# Qt's libraries and plugins, as the program's Qt has them. Qt's plugins are
# module libraries: LIBRARY is their destination.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin LIBRARY DESTINATION platforms)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin LIBRARY DESTINATION styles)
set(zentrova_shipped_dlls
    $<TARGET_FILE_NAME:Qt6::Core> $<TARGET_FILE_NAME:Qt6::Gui> $<TARGET_FILE_NAME:Qt6::Widgets>
    platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
    styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>)

# The compiler's runtime, where the compiler keeps it.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_dll}" OR NOT EXISTS "${runtime_dll}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    install(FILES ${runtime_dll} DESTINATION .)
    list(APPEND zentrova_shipped_dlls ${dll})
endforeach()

# The DLLs lose their symbol tables where installing strips (cpack does, as
# CPACK_STRIP_FILES asks; so does cmake --install --strip), as the program does.
foreach(dll IN LISTS zentrova_shipped_dlls)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dll}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endforeach()

# Qt's own texts: from the Qt built for Windows where it has them, else from
# the build machine's Qt (Debian's qt6-translations-l10n), the same files.
find_path(ZENTROVA_QT_TRANSLATIONS_DIR qtbase_de.qm
    PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
          "${QT_HOST_PATH}/share/qt6/translations" /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
    DOC "Where Qt's qtbase_<language>.qm files are")
if(NOT ZENTROVA_QT_TRANSLATIONS_DIR)
    message(FATAL_ERROR "Qt's translations (qtbase_de.qm) are not found: install "
        "qt6-translations-l10n or set ZENTROVA_QT_TRANSLATIONS_DIR")
endif()
foreach(language IN LISTS zentrova_languages)
    install(FILES ${ZENTROVA_QT_TRANSLATIONS_DIR}/qtbase_${language}.qm DESTINATION translations)
endforeach()

# Text files with Windows' line ends, for Notepad.
function(zentrova_windows_text from folder name)
    file(READ ${from} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    set(to ${CMAKE_CURRENT_BINARY_DIR}/windows-text/${folder}/${name})
    file(WRITE ${to}.new "${text}")
    file(COPY_FILE ${to}.new ${to} ONLY_IF_DIFFERENT)
    install(FILES ${to} DESTINATION ${folder})
endfunction()

# The licences: ours, and those of Qt's source, which scripts/windows.sh
# keeps beside the Qt it builds. The note names the Debian source package
# that Qt was built from, unchanged.
set(ZENTROVA_QT_LICENSES_DIR "${QT6_INSTALL_PREFIX}/../LICENSES" CACHE PATH
    "The LICENSES folder of the Qt source the Windows Qt was built from")
set(ZENTROVA_QT_SOURCE_VERSION "" CACHE STRING
    "The version of Debian's qt6-base source package the Windows Qt was built from")
if(NOT ZENTROVA_QT_SOURCE_VERSION AND EXISTS "${QT6_INSTALL_PREFIX}/../source-version")
    file(STRINGS "${QT6_INSTALL_PREFIX}/../source-version" ZENTROVA_QT_SOURCE_VERSION LIMIT_COUNT 1)
endif()
if(NOT EXISTS "${ZENTROVA_QT_LICENSES_DIR}/LGPL-3.0-only.txt" OR NOT ZENTROVA_QT_SOURCE_VERSION)
    message(FATAL_ERROR "The Windows packages need Qt's licences and source version: "
        "set ZENTROVA_QT_LICENSES_DIR and ZENTROVA_QT_SOURCE_VERSION (scripts/windows.sh does)")
endif()
zentrova_windows_text(${PROJECT_SOURCE_DIR}/LICENSE licenses Zentrova.txt)
foreach(licence LGPL-3.0-only GPL-2.0-only GPL-3.0-only Qt-GPL-exception-1.0 BSD-3-Clause MIT)
    zentrova_windows_text(${ZENTROVA_QT_LICENSES_DIR}/${licence}.txt licenses/qt ${licence}.txt)
endforeach()
configure_file(${zentrova_windows_dir}/qt-source.txt.in qt-source.txt @ONLY)
zentrova_windows_text(${CMAKE_CURRENT_BINARY_DIR}/qt-source.txt licenses/qt SOURCE.txt)

# With a code-signing certificate in the environment, the installed program is
# signed (sign.sh), before CPack packs it.
install(CODE "if(DEFINED ENV{ZENTROVA_SIGN_PKCS12})
    execute_process(COMMAND bash \"${zentrova_windows_dir}/sign.sh\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/zentrova.exe\" COMMAND_ERROR_IS_FATAL ANY)
endif()")

# The Start-menu entry's description in each language: the desktop entry's
# Comment, for the installer (NSIS.template.in).
set(nsis_languages "=ENGLISH" "[de]=GERMAN" "[fr]=FRENCH" "[es]=SPANISH" "[pt_BR]=PORTUGUESEBR")
file(STRINGS ${PROJECT_SOURCE_DIR}/desktop/org.quorvane.Zentrova.desktop desktop_entry
     ENCODING UTF-8 REGEX "^Comment")
set(shortcut_nsh "; Made by CMake from the desktop entry's Comment.\n")
foreach(pair IN LISTS nsis_languages)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 key)
    list(GET pair 1 language)
    string(REPLACE "[" "\\[" key_pattern "Comment${key}=")
    string(REPLACE "]" "\\]" key_pattern "${key_pattern}")
    set(comment)
    foreach(line IN LISTS desktop_entry)
        if(line MATCHES "^${key_pattern}(.*)$")
            set(comment "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(NOT comment OR comment MATCHES "[\"$]")
        message(FATAL_ERROR "desktop/org.quorvane.Zentrova.desktop: no plain Comment${key}")
    endif()
    string(APPEND shortcut_nsh "LangString ShortcutDescription \${LANG_${language}} \"${comment}\"\n")
endforeach()
file(CONFIGURE OUTPUT shortcut.nsh CONTENT "${shortcut_nsh}" @ONLY)

# VIProductVersion wants four numbers; project(VERSION 1.0) leaves two out.
set(version4 ${PROJECT_VERSION})
string(REGEX MATCHALL "\\." dots "${version4}")
list(LENGTH dots dot_count)
while(dot_count LESS 3)
    string(APPEND version4 ".0")
    math(EXPR dot_count "${dot_count} + 1")
endwhile()

set(CPACK_GENERATOR NSIS ZIP)
# Our NSIS.template.in, found before CPack's own.
list(PREPEND CMAKE_MODULE_PATH ${zentrova_windows_dir})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zentrova)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zentrova)
set(CPACK_NSIS_PACKAGE_NAME Zentrova)
set(CPACK_NSIS_DISPLAY_NAME Zentrova)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_ZENTROVA_NSIS_DIR ${zentrova_windows_dir})
set(CPACK_ZENTROVA_SHORTCUT_NSH ${CMAKE_CURRENT_BINARY_DIR}/shortcut.nsh)
set(CPACK_ZENTROVA_PUBLISHER "The Zentrova developers (Quorvane)")
set(CPACK_ZENTROVA_VERSION4 ${version4})
set(CPACK_ZENTROVA_SIGN_SCRIPT ${zentrova_windows_dir}/sign.sh)

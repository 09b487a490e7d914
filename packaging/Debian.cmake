# SPDX-License-Identifier: MIT
# The Debian package's documents and settings (cpack -G DEB).
set(zentrova_docdir ${CMAKE_INSTALL_DATADIR}/doc/${zentrova_package})

# The project team, at an address under the maker's configured domain.
string(REGEX REPLACE "^[a-z]+://(www\\.)?([^/:]+).*$" "\\2" zentrova_maker_domain
       "${ZENTROVA_MAIN_SITE_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Zentrova developers <zentrova@${zentrova_maker_domain}>")

configure_file(copyright.in copyright @ONLY)
configure_file(changelog.in changelog @ONLY)
configure_file(zentrova.6.in zentrova.6 @ONLY)

# Debian wants the changelog and manual page compressed with gzip -9n: no
# name or time stamp in the header, so every build gives the same bytes.
set(zentrova_gzipped)
foreach(file changelog zentrova.6)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_BINARY_DIR}/${file} > ${file}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
        COMMENT "Compressing ${file}")
    list(APPEND zentrova_gzipped ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(zentrova_package_docs ALL DEPENDS ${zentrova_gzipped})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${zentrova_docdir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zentrova.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Links open in the desktop's browser through xdg-open; Qt's own texts (Yes, No,
# OK) follow the desktop's language with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")

# SPDX-License-Identifier: MIT
# Two builds of one commit give the same bytes, whatever the checkout's path
# and whenever they run (scripts/release.sh builds the release this way).
#
# Paths: the compiler writes the source's and the build folder's paths into
# the debug information and __FILE__ (Q_ASSERT, the logging category), and so
# into the GNU build id, which hashes the whole linked file. Both are mapped
# to fixed names; where both match (a build folder inside the checkout) the
# later option wins.
add_compile_options(
    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=/usr/src/zentrova"
    "-ffile-prefix-map=${PROJECT_BINARY_DIR}=/usr/src/zentrova/build")
# MinGW's linker writes the time of linking into each executable's header.
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# Times: whatever records one (CPack's .deb and .zip, rcc's resource data)
# takes SOURCE_DATE_EPOCH from the environment; the Windows installer records
# none (packaging/windows/NSIS.template.in). Without one
# there, the time of the last commit stands in for CPack; rcc runs during the
# build and reads it from the build's environment, so scripts/release.sh
# exports it for the whole build.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZENTROVA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE ZENTROVA_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
endif()
if(NOT ZENTROVA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    set(ZENTROVA_SOURCE_DATE_EPOCH "")
endif()

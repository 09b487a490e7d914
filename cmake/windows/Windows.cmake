# SPDX-License-Identifier: MIT
# What only the Windows build adds to the program: its icon and version
# information in the executable. What ships beside it, and the installer,
# are packaging/windows/'s.
enable_language(RC)
set(ZENTROVA_ICO "${PROJECT_SOURCE_DIR}/packaging/windows/zentrova.ico")
# VERSIONINFO wants four numbers; project(VERSION 1.0) leaves two empty.
set(ZENTROVA_VERSION_MINOR 0${PROJECT_VERSION_MINOR})
set(ZENTROVA_VERSION_PATCH 0${PROJECT_VERSION_PATCH})
math(EXPR ZENTROVA_VERSION_MINOR "${ZENTROVA_VERSION_MINOR}")
math(EXPR ZENTROVA_VERSION_PATCH "${ZENTROVA_VERSION_PATCH}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/zentrova.rc.in
               ${CMAKE_BINARY_DIR}/generated/zentrova.rc @ONLY)
target_sources(zentrova PRIVATE ${CMAKE_BINARY_DIR}/generated/zentrova.rc)
set_property(SOURCE ${CMAKE_BINARY_DIR}/generated/zentrova.rc APPEND PROPERTY
             OBJECT_DEPENDS ${ZENTROVA_ICO})

# SPDX-License-Identifier: MIT
# The date of this release, from its entry at the top of the package
# changelog: sets ZENTROVA_RELEASE_DATE (YYYY-MM-DD) for the metainfo. A new
# project(VERSION) needs a new changelog entry first, or configuring stops.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in zentrova_changelog)

list(GET zentrova_changelog 0 zentrova_heading)
if(NOT zentrova_heading MATCHES "^zentrova \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog.in: the top entry is not for version "
        "${PROJECT_VERSION}; add an entry for it: ${zentrova_heading}")
endif()

foreach(line IN LISTS zentrova_changelog)
    if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(zentrova_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND zentrova_months "${CMAKE_MATCH_2}" zentrova_month)
        math(EXPR zentrova_month "${zentrova_month} + 1")
        if(zentrova_month LESS 10)
            set(zentrova_month "0${zentrova_month}")
        endif()
        set(ZENTROVA_RELEASE_DATE "${CMAKE_MATCH_3}-${zentrova_month}-${CMAKE_MATCH_1}")
        break()
    endif()
endforeach()
if(NOT ZENTROVA_RELEASE_DATE)
    message(FATAL_ERROR "packaging/changelog.in: the top entry has no dated sign-off line")
endif()

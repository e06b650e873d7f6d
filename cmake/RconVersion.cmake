# SPDX-License-Identifier: GPL-3.0-or-later
# The one version source is project(VERSION) in the top CMakeLists.txt; RCON_RELEASE_DATE
# (YYYY-MM-DD) beside it dates that version. From these come rcon/Version.h (the About box and
# vortane-rcon --version), the AppStream releases and the Debian package and its changelog.

# RCON_DOC_DIR_FROM_BIN_DIR: the installed programs find the read-me through this path.
file(RELATIVE_PATH RCON_DOC_DIR_FROM_BIN_DIR
  "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DOCDIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
  ${PROJECT_BINARY_DIR}/generated/rcon/Version.h @ONLY)

# RCON_RELEASE_DATE_RFC2822: the release date as a Debian changelog writes it.
if(NOT RCON_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "RCON_RELEASE_DATE must be YYYY-MM-DD, not '${RCON_RELEASE_DATE}'")
endif()
set(rcon_year_text ${CMAKE_MATCH_1})
set(rcon_day_text ${CMAKE_MATCH_3})
math(EXPR rcon_year "${CMAKE_MATCH_1}")
math(EXPR rcon_month "${CMAKE_MATCH_2}")
math(EXPR rcon_day "${CMAKE_MATCH_3}")
# The day of the week (Sakamoto's method, 0 for Sunday).
set(rcon_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR rcon_index "${rcon_month} - 1")
list(GET rcon_offsets ${rcon_index} rcon_offset)
set(rcon_y ${rcon_year})
if(rcon_month LESS 3)
  math(EXPR rcon_y "${rcon_y} - 1")
endif()
math(EXPR rcon_weekday
  "(${rcon_y} + ${rcon_y} / 4 - ${rcon_y} / 100 + ${rcon_y} / 400 + ${rcon_offset} + ${rcon_day}) % 7")
set(rcon_weekdays Sun Mon Tue Wed Thu Fri Sat)
set(rcon_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET rcon_weekdays ${rcon_weekday} rcon_weekday_name)
list(GET rcon_months ${rcon_index} rcon_month_name)
set(RCON_RELEASE_DATE_RFC2822
  "${rcon_weekday_name}, ${rcon_day_text} ${rcon_month_name} ${rcon_year_text} 00:00:00 +0000")

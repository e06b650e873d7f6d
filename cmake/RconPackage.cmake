# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder makes vortane-rcon_<version>_<arch>.deb
# from the install rules, with the version from project() and the dependencies that
# dpkg-shlibdeps finds (needs dpkg-dev and file).
set(RCON_PACKAGE_MAINTAINER "Vortane Remote Console developers <maintainers@vortanercon.example>"
  CACHE STRING "The package's maintainer, as Debian's Maintainer field takes it")

# `cmake --install --strip` and the package strip the installed programs as Debian's dh_strip
# does: no symbols, no .comment and .note sections. These rules run after the programs' own.
if(CMAKE_STRIP)
  foreach(program ${RCON_WINDOW_PROGRAM} vortane-rcon)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment
          --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
          COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endforeach()
endif()

# What Debian wants in every package's document folder: a copyright file (this project's
# licence, pointing to the system's copy of its text) and, for a native package, changelog.gz.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog
  @ONLY)
find_program(RCON_GZIP gzip)
if(RCON_GZIP)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
    COMMAND ${RCON_GZIP} -9nkf ${PROJECT_BINARY_DIR}/packaging/changelog
    DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog)
  add_custom_target(rcon_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/systemd/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples/systemd)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vortane-rcon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RCON_PACKAGE_MAINTAINER})
# The summary is the Description's first line; cpack puts it before the rest.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "remote console for Vortane dedicated game servers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vortane Remote Console sends rcon commands to a Vortane dedicated game
server and shows its replies, over the game's own UDP protocol. Its window
shows the server's status and players as tables, sends timed chat messages
to the players, and saves and prints the console.
.
The command-line tool vortane-rcon does the same from a terminal, a script
or a timer on a machine with no display, with the status as JSON.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${RCON_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vortane-rcon_<version>_<arch>.deb
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

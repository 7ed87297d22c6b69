# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Debian package needs beside the program: the copyright and changelog, the manual pages,
# the AppStream metadata, and the package's own description.
set(TZ_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(TZ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/test-znalosti)

# The changelog's newest entry is the version the package gets: a forgotten entry stops the build.
file(STRINGS ${TZ_PACKAGING_DIR}/changelog TZ_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT TZ_CHANGELOG_HEAD MATCHES "^test-znalosti \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}: "
                      "${TZ_CHANGELOG_HEAD}")
endif()

# Debian wants these compressed, and without a timestamp so that builds are reproducible.
set(TZ_GZIPPED)
foreach(name changelog test-znalosti.1 test-znalosti-banka.1 test-znalosti-sprava.1)
  set(copy ${CMAKE_BINARY_DIR}/packaging/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${TZ_PACKAGING_DIR}/${name} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${TZ_PACKAGING_DIR}/${name}
    VERBATIM)
  list(APPEND TZ_GZIPPED ${copy}.gz)
endforeach()
add_custom_target(tz_packaging_files ALL DEPENDS ${TZ_GZIPPED})

install(FILES ${TZ_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${TZ_DOC_DIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/test-znalosti.1.gz
              ${CMAKE_BINARY_DIR}/packaging/test-znalosti-banka.1.gz
              ${CMAKE_BINARY_DIR}/packaging/test-znalosti-sprava.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TZ_PACKAGING_DIR}/cz.test_znalosti.testznalosti.metainfo.xml
              ${TZ_PACKAGING_DIR}/cz.test_znalosti.sprava.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME test-znalosti)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Test znalostí <dev@test-znalosti.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timed multiple-choice knowledge tests in Czech")
# Lines of at most 80 characters, as Debian's package tools show them.
set(CPACK_PACKAGE_DESCRIPTION [=[
Test znalostí draws a test of 30 questions from a question bank, in proportion
to the bank's three question groups, and times it with a countdown. Each
question is answered with A, B or C while a row of 30 indicator lamps shows
the progress. The program then evaluates the answers, lets the user review
every question with its comment, and prints the test and, behind a password,
its answer key. The user interface is in Czech.

The bank tool test-znalosti-banka builds a question bank from a CSV table or
from a Moodle export (Moodle XML, GIFT, Aiken) and checks what the program can
draw from it. The teacher's window test-znalosti-sprava does the same in a
window, where questions are edited with undo and redo, and shows the results
the program keeps: attempts, statistics per question with a chart, per person.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The shared libraries (Qt Widgets, Qt Charts, …) are added by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

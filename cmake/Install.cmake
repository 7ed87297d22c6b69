# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# A self-contained folder PREFIX/lib/test-znalosti holding the program, the bank tool, the
# teacher's window, the sample bank, the help page and the Czech Qt translations;
# PREFIX/bin/test-znalosti starts the program, PREFIX/bin/test-znalosti-banka the tool and
# PREFIX/bin/test-znalosti-sprava the teacher's window, under names no other package uses.
include(GNUInstallDirs)
set(TZ_APP_DIR lib/test-znalosti)

install(TARGETS Test RUNTIME DESTINATION ${TZ_APP_DIR})
# Beside the program, where it finds the folder the program reads its bank from.
install(TARGETS testbank RUNTIME DESTINATION ${TZ_APP_DIR})
install(TARGETS sprava RUNTIME DESTINATION ${TZ_APP_DIR})
install(FILES ${CMAKE_BINARY_DIR}/test.db ${CMAKE_SOURCE_DIR}/app/napoveda.html
        DESTINATION ${TZ_APP_DIR})
install(FILES ${CMAKE_BINARY_DIR}/test.mb DESTINATION ${TZ_APP_DIR} OPTIONAL)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/test-znalosti ${CMAKE_SOURCE_DIR}/packaging/test-znalosti-banka
                 ${CMAKE_SOURCE_DIR}/packaging/test-znalosti-sprava
        DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/test-znalosti.desktop
              ${CMAKE_SOURCE_DIR}/packaging/test-znalosti-sprava.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/test-znalosti.svg
              ${CMAKE_SOURCE_DIR}/packaging/test-znalosti-sprava.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

get_target_property(TZ_QMAKE Qt6::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${TZ_QMAKE} -query QT_INSTALL_TRANSLATIONS
                OUTPUT_VARIABLE TZ_QT_TRANSLATIONS OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(EXISTS "${TZ_QT_TRANSLATIONS}/qtbase_cs.qm")
  install(FILES "${TZ_QT_TRANSLATIONS}/qtbase_cs.qm" DESTINATION ${TZ_APP_DIR}/translations)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

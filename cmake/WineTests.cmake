# ctest entries that run the Windows test drivers under Wine. The fixture
# starts one Xvfb and one private WINEPREFIX for the whole test run and stops
# them at the end; every Wine test runs inside it.
set(QUILTMARK_WIN_BIN "" CACHE PATH "Folder of the cross-built Windows binaries")
if(NOT QUILTMARK_WIN_BIN)
  message(STATUS "QUILTMARK_WIN_BIN not set: Wine tests are not registered")
  return()
endif()

set(WINE_ENV ${CMAKE_SOURCE_DIR}/scripts/wine-env)
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine-state)

add_test(NAME wine.setup COMMAND ${WINE_ENV} start ${WINE_STATE})
set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
add_test(NAME wine.cleanup COMMAND ${WINE_ENV} stop ${WINE_STATE})
set_tests_properties(wine.cleanup PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(name exe [args...]): runs a Windows program from the binary folder.
function(add_wine_test name exe)
  add_test(NAME ${name} COMMAND ${WINE_ENV} run ${WINE_STATE} ${QUILTMARK_WIN_BIN}/${exe} ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 600)
endfunction()

add_wine_test(nimbet.driver nimbet_driver.exe)
add_wine_test(nimbet.paint nimbet_paint_driver.exe)
add_wine_test(nimbet.input nimbet_input_driver.exe)
add_wine_test(controls.driver controls_driver.exe)

# The export table of Nimbet.dll: 52 names at their ordinals.
add_test(NAME nimbet.exports
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exports ${QUILTMARK_WIN_BIN}/Nimbet.dll
          ${CMAKE_SOURCE_DIR}/nimbet/include/NimbetApiList.h)
add_wine_test(quiltmark.ui quiltmark_ui.exe)
add_wine_test(quiltmark.frame quiltmark_frame_ui.exe)

# The window benchmarks on a small document, run once: they check their own
# results, so a benchmark that stopped measuring the right thing fails here.
add_wine_test(bench.window nimbet_window_bench.exe --mb 0.2 --reps 1 --chars 20)
add_wine_test(bench.typing quiltmark_typing_bench.exe --mb 0.2 --reps 1 --chars 10)
add_wine_test(app.driver app_driver.exe)
add_wine_test(insertion.ui quiltmark_insertion_ui.exe)
add_wine_test(authoring.ui quiltmark_authoring_ui.exe)

# The release zip that scripts/build makes, unpacked and started as a user would.
add_test(NAME release.package
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-package
          ${CMAKE_SOURCE_DIR}/dist/Quiltmark-${QUILTMARK_VERSION}-win64.zip ${QUILTMARK_VERSION}
          ${CMAKE_BINARY_DIR}/release-check ${WINE_ENV} ${WINE_STATE} ${QUILTMARK_WIN_BIN}/quiltmark_release_ui.exe)
set_tests_properties(release.package PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 300)

# The documents driver, with the nkf command's outputs for the corpus made
# first as a fixture of its own.
add_test(NAME documents.oracle
  COMMAND ${CMAKE_SOURCE_DIR}/tests/ui/make-nkf-oracle ${CMAKE_SOURCE_DIR}/tests/data/sjis-corpus.html
          ${CMAKE_BINARY_DIR}/nkf-oracle)
set_tests_properties(documents.oracle PROPERTIES FIXTURES_SETUP nkf_oracle)
add_wine_test(documents.ui quiltmark_documents_ui.exe)
set_tests_properties(documents.ui PROPERTIES FIXTURES_REQUIRED "wine;nkf_oracle"
  ENVIRONMENT QM_NKF_ORACLE=${CMAKE_BINARY_DIR}/nkf-oracle)

# The FTP tab against a real FTP server (Debian's pyftpdlib) on a loopback
# address at port 21, started before and stopped after the FTP driver.
set(FTP_TEST_ROOT ${CMAKE_BINARY_DIR}/ftp-server)
set(FTP_TEST_ADDRESS 127.0.0.21)
add_test(NAME ftp.server.start
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/ftp/test_server.py start ${FTP_TEST_ROOT} ${FTP_TEST_ADDRESS})
set_tests_properties(ftp.server.start PROPERTIES FIXTURES_SETUP ftpserver TIMEOUT 60)
add_test(NAME ftp.server.stop COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/ftp/test_server.py stop ${FTP_TEST_ROOT})
set_tests_properties(ftp.server.stop PROPERTIES FIXTURES_CLEANUP ftpserver)
add_wine_test(quiltmark.ftp quiltmark_ftp_ui.exe --ftp-root=${FTP_TEST_ROOT} --ftp-address=${FTP_TEST_ADDRESS})
set_tests_properties(quiltmark.ftp PROPERTIES FIXTURES_REQUIRED "wine;ftpserver")

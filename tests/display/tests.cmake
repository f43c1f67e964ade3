# Display tests: the FLTK views and the event translation on a real X
# server. CTest starts one Xvfb (fixture xvfb) on a display number derived
# from the build folder, so parallel build folders do not meet. Later test
# folders use the same server through BRISOLA_XVFB_DISPLAY (":NN").
string(MD5 _display_hash "${CMAKE_BINARY_DIR}")
string(SUBSTRING "${_display_hash}" 0 2 _display_hex)
math(EXPR BRISOLA_TEST_DISPLAY "100 + 0x${_display_hex} % 100")
set(BRISOLA_XVFB_DISPLAY ":${BRISOLA_TEST_DISPLAY}")
set(_xvfb ${CMAKE_CURRENT_LIST_DIR}/xvfb.sh)
set(_xvfb_pid ${CMAKE_BINARY_DIR}/xvfb-display-tests.pid)

add_test(NAME display_xvfb_start COMMAND ${_xvfb} start ${BRISOLA_XVFB_DISPLAY} ${_xvfb_pid})
set_tests_properties(display_xvfb_start PROPERTIES FIXTURES_SETUP xvfb LABELS display)
add_test(NAME display_xvfb_stop COMMAND ${_xvfb} stop ${BRISOLA_XVFB_DISPLAY} ${_xvfb_pid})
set_tests_properties(display_xvfb_stop PROPERTIES FIXTURES_CLEANUP xvfb LABELS display)

add_executable(display_tests
  ${CMAKE_CURRENT_LIST_DIR}/DisplayFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyboardTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MouseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XInput.cpp)
target_link_libraries(display_tests PRIVATE brisola_platform brisola_testsupport GTest::gtest_main
  ${FLTK_LIB} ${X11_LIBRARIES})
# Discovery runs the binary at build time, without a display: only the
# tests open it.
gtest_discover_tests(display_tests
  PROPERTIES LABELS display FIXTURES_REQUIRED xvfb ENVIRONMENT "DISPLAY=${BRISOLA_XVFB_DISPLAY}" RUN_SERIAL TRUE
  DISCOVERY_TIMEOUT 60)

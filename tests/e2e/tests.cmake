# The program end to end under Xvfb, driven with real X input.
add_executable(brisola_e2e_host ${CMAKE_CURRENT_LIST_DIR}/E2eHost.cpp)
target_link_libraries(brisola_e2e_host PRIVATE brisola_app ${FLTK_LIB})

add_executable(e2e_tests ${CMAKE_CURRENT_LIST_DIR}/E2eTest.cpp)
target_compile_definitions(e2e_tests PRIVATE E2E_HOST="$<TARGET_FILE:brisola_e2e_host>"
  E2E_REFERENCE_DIR="${CMAKE_CURRENT_LIST_DIR}/reference")
target_link_libraries(e2e_tests PRIVATE brisola_testsupport GTest::gtest_main)
add_dependencies(e2e_tests brisola_e2e_host)
gtest_discover_tests(e2e_tests TEST_PREFIX "e2e_tests." PROPERTIES LABELS display FIXTURES_REQUIRED xvfb
  ENVIRONMENT "DISPLAY=${BRISOLA_XVFB_DISPLAY}" RUN_SERIAL TRUE DISCOVERY_TIMEOUT 60)

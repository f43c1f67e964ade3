brisola_unit_test(browser_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SearchSpecTest.cpp
  LIBS brisola_browser)

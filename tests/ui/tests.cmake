brisola_unit_test(ui_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserDlgTest.cpp
  LIBS brisola_app)

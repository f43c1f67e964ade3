brisola_unit_test(ui_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/BrowserDlgTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DialogTest.cpp
  LIBS brisola_app)

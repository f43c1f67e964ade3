brisola_unit_test(res_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/BitmapResourcesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DecodeBmpTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTemplatesTest.cpp
  LIBS brisola_res brisola_platform)

brisola_unit_test(platform_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DialogKeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DriveMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StringFormatTest.cpp
  LIBS brisola_platform)

brisola_unit_test(sample_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ProbeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransportTest.cpp
  LIBS brisola_sample)

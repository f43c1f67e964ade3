list(APPEND PLATFORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Mci.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciCommandParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciDeviceTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveAudioDevice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveFileDecoder.cpp
)

brisola_unit_test(mci_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ChannelMixerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciCommandParserTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciErrorTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MciTestHarness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoundFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveDeviceBadInputTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveDevicePlaybackTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveDeviceSdlTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WaveFormatsTest.cpp
  LIBS brisola_platform PkgConfig::SNDFILE)

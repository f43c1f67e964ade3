list(APPEND PLATFORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AudioOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelMixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NullAudioOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RateConverter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SdlAudioOutput.cpp
)

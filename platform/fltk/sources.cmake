list(APPEND PLATFORM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkButtonView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkDialogWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkEditView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkEventHook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkListBoxView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkStaticView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FltkTextView.cpp
)

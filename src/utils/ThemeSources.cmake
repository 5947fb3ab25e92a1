# Sources of the dialogs' theme: accessible dialog base, high-contrast filter, system-theme seam.
target_sources(keyboard_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/accessibility/AccessibleDialogBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accessibility/HighContrastStyleSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_filters/HighContrastEventFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/SystemTheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/linux/SystemThemeLinux.cpp
)
target_link_libraries(keyboard_core PUBLIC skin_manager)

# The advanced test in the core: its layout catalogue, settings, dialog (with the generated form)
# and the test itself.
target_sources(keyboard_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AdvancedTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdvancedTestSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdvancedTestWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdvancedTestWidget.ui
  ${CMAKE_CURRENT_LIST_DIR}/LayoutCatalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinAdvancedTestWidget.cpp)

# Cached so that directories outside src/ can reach the form and its generator.
set(KEYBOARD_ADVANCED_FORM ${CMAKE_CURRENT_LIST_DIR}/AdvancedTestWidget.ui CACHE INTERNAL
    "The advanced test's Designer form, generated from layout/keyboards.py")
set(KEYBOARD_ADVANCED_FORM_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/layout/generate_form.py CACHE INTERNAL
    "Writes the advanced test's form from layout/keyboards.py")

# The dialogs connect their slots themselves; their on_..._clicked names match no form object, and
# the automatic connection by name would only warn about each of them.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/AdvancedTestWidget.ui
                            ${CMAKE_CURRENT_LIST_DIR}/../keycode/KeycodeTestWidget.ui
  PROPERTIES AUTOUIC_OPTIONS "--no-autoconnection")

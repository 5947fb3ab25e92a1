# Sources of the advanced test's layout catalogue in the core, and where its form and generator live.
target_sources(keyboard_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/LayoutCatalogue.cpp)

# The form is compiled by the targets that include it (for now only its tests); the dialog will
# add it to the core. Cached so that directories outside src/ can reach both files.
set(KEYBOARD_ADVANCED_FORM ${CMAKE_CURRENT_LIST_DIR}/AdvancedTestWidget.ui CACHE INTERNAL
    "The advanced test's Designer form, generated from layout/keyboards.py")
set(KEYBOARD_ADVANCED_FORM_GENERATOR ${CMAKE_CURRENT_LIST_DIR}/layout/generate_form.py CACHE INTERNAL
    "Writes the advanced test's form from layout/keyboards.py")

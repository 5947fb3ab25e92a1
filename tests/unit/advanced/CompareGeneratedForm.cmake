# Reruns the form generator into the build tree and fails when the checked-in form differs from it.
execute_process(COMMAND ${PYTHON} ${GENERATOR} --output ${OUTPUT} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The form generator failed (${result}):\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FORM} ${OUTPUT} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${FORM} is not what the generator writes (see ${OUTPUT}). Edit the page descriptions "
    "in layout/keyboards.py rather than the form, then regenerate it: python3 ${GENERATOR}")
endif()

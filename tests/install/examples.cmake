# Run by the test install.examples (cmake -P): the example programs build against the
# installed package as the README shows, and each runs to success.
include(${CMAKE_CURRENT_LIST_DIR}/build_against_prefix.cmake)
BuildAgainstPrefix()
set(ENV{ZYL_TEST_TMP} ${WORK_DIR})
execute_process(COMMAND ${WORK_DIR}/build/first_form WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/first_form.png)
  message(FATAL_ERROR "first_form failed (${rc}): ${err}")
endif()
step(${WORK_DIR}/build/form_events ${SOURCE_DIR}/form_events.txt)
if(NOT step_output MATCHES "Hello, Ada! \\(Enter pressed 1 time\\(s\\)\\)")
  message(FATAL_ERROR "form_events: unexpected output: ${step_output}")
endif()
step(${WORK_DIR}/build/design_host)
if(NOT step_output MATCHES "ZYL Std: 20 components" OR
   NOT step_output MATCHES "Caption: Set by the designer \\(form modified: yes\\)")
  message(FATAL_ERROR "design_host: unexpected output: ${step_output}")
endif()

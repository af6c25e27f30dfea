# Shared steps of the installed-package tests (cmake -P): `step` runs a command that must
# succeed; BuildAgainstPrefix configures and builds SOURCE_DIR into WORK_DIR/build against
# the installed PREFIX.
function(step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

function(BuildAgainstPrefix)
  file(REMOVE_RECURSE ${WORK_DIR})
  step(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${PREFIX}
    "-DCMAKE_CXX_FLAGS=${FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${FLAGS}")
  step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
endfunction()

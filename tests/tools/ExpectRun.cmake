# What the tool scripts check of a run: `got`, the exit code, is `rc`, and every text of
# `wanted` stands in `err`, what the run wrote on stderr.
function(expect_run name got rc err wanted)
  if(NOT got STREQUAL "${rc}")
    message(FATAL_ERROR "${name}: exit code ${got}, expected ${rc}\n${err}")
  endif()
  foreach(text IN LISTS wanted)
    string(FIND "${err}" "${text}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${name}: \"${text}\" not on stderr:\n${err}")
    endif()
  endforeach()
endfunction()

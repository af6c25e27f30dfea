# designview refuses, before it pictures anything, a layout folder in which some editor form has
# no example in its gallery, a layout that declares no form class, and a folder without layouts;
# the package's own layouts pass the check.
#   cmake -DDESIGNVIEW=<tool> -DLAYOUTS=<design folder> -DWORK=<folder> -P DesignviewEveryForm.cmake
include("${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake")
file(REMOVE_RECURSE "${WORK}")
file(GLOB layouts "${LAYOUTS}/*.dfm")
list(LENGTH layouts count)
if(count LESS 2)
  message(FATAL_ERROR "fewer than two editor form layouts in ${LAYOUTS}")
endif()

# Runs designview on the layouts of folder `dir`; expects exit code `rc`, every text of `wanted`
# on stderr and, unless it succeeded, no picture made.
function(expect name dir rc wanted)
  set(out "${WORK}/${name}-out")
  execute_process(COMMAND "${DESIGNVIEW}" "${out}" "${dir}" RESULT_VARIABLE got
                  OUTPUT_QUIET ERROR_VARIABLE err)
  expect_run("${name}" "${got}" "${rc}" "${err}" "${wanted}")
  file(GLOB made "${out}/*.png")
  if(NOT rc EQUAL 0 AND made)
    message(FATAL_ERROR "${name}: pictures made although the check failed: ${made}")
  endif()
endfunction()

# Every layout of the package plus one of a form the gallery does not know.
set(unknown "${WORK}/unknown")
file(COPY ${layouts} DESTINATION "${unknown}")
file(WRITE "${unknown}/pZYLLaterDlg.dfm" "object ZYLLaterDlg: TZYLLaterDlg\n  Caption = 'Later'\nend\n")
expect(unknown "${unknown}" 2 "TZYLLaterDlg (${unknown}/pZYLLaterDlg.dfm) has no example")

# One known layout and one whose first line names no class.
set(broken "${WORK}/broken")
list(GET layouts 0 first)
file(COPY "${first}" DESTINATION "${broken}")
file(WRITE "${broken}/pZYLBroken.dfm" "object ZYLBroken\nend\n")
expect(broken "${broken}" 2 "pZYLBroken.dfm declares no form class")

# A folder with no layout at all, and one that does not exist.
file(MAKE_DIRECTORY "${WORK}/empty")
expect(empty "${WORK}/empty" 2 "no editor form layout (*.dfm) in ${WORK}/empty")
expect(missing "${WORK}/missing" 2 "no editor form layout (*.dfm) in ${WORK}/missing")

# Only known forms: the check passes and the gallery is made.
set(known "${WORK}/known")
file(COPY "${first}" DESTINATION "${known}")
expect(known "${known}" 0 "")
file(GLOB made "${WORK}/known-out/editor-*.png")
if(NOT made)
  message(FATAL_ERROR "known: no editor picture made")
endif()

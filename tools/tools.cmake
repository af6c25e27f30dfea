# Command-line tools of the project.
add_executable(formconv ${CMAKE_SOURCE_DIR}/tools/formconv.cpp)
target_link_libraries(formconv PRIVATE platform_classes)
set_target_properties(formconv PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# The viewer renders through the headless kit's session; it shares the platform with the
# packages it loads, so it links the kit built on the shared platform library.
add_executable(formview ${CMAKE_SOURCE_DIR}/tools/formview.cpp)
target_link_libraries(formview PRIVATE platform_headless zyl_options)
set_target_properties(formview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# Binary form files (the examples' and the tests' own) survive formconv to text and back.
file(GLOB zyl_binary_forms CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.dfm)
list(APPEND zyl_binary_forms ${CMAKE_SOURCE_DIR}/tests/platform/classes/data/formbmp.dfm)
string(REPLACE ";" "|" zyl_binary_forms "${zyl_binary_forms}")
add_test(NAME tools.formconv_roundtrip
  COMMAND ${CMAKE_COMMAND} -DFORMCONV=$<TARGET_FILE:formconv>
    -DWORK=${CMAKE_BINARY_DIR}/testtmp/formconv "-DFILES=${zyl_binary_forms}"
    -P ${CMAKE_SOURCE_DIR}/tests/tools/FormconvRoundTrip.cmake)
# Pictures the library's message box (built in code, so no form file can show it).
add_executable(msgview ${CMAKE_SOURCE_DIR}/tools/msgview.cpp)
target_link_libraries(msgview PRIVATE zyl_system zyl_testkit)
set_target_properties(msgview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# Pictures the library's design-time surface: palette pages, the object inspector's view and
# the editor forms. It hosts the library's package unit (compiled in) and the design package.
add_executable(designview ${CMAKE_SOURCE_DIR}/tools/designview.cpp ${CMAKE_SOURCE_DIR}/zyl70se_B5.cpp)
target_link_libraries(designview PRIVATE zyl_design zyl_testkit)
set_target_properties(designview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
# The editor form layouts the gallery must have an example of, unless another folder is given.
target_compile_definitions(designview PRIVATE ZYL_DESIGN_LAYOUTS="${CMAKE_SOURCE_DIR}/design")
# Every picture of the design gallery is made.
add_test(NAME tools.designview COMMAND designview ${CMAKE_BINARY_DIR}/testtmp/designview)
# A layout without an example, a layout naming no form and a folder without layouts are refused
# before anything is pictured.
add_test(NAME tools.designview_every_form
  COMMAND ${CMAKE_COMMAND} -DDESIGNVIEW=$<TARGET_FILE:designview>
    -DLAYOUTS=${CMAKE_SOURCE_DIR}/design -DWORK=${CMAKE_BINARY_DIR}/testtmp/designview-forms
    -P ${CMAKE_SOURCE_DIR}/tests/tools/DesignviewEveryForm.cmake)
# The reference pages of docs/reference, one per palette page, from the classes' type
# information; the test keeps the committed pages equal to what the classes say.
add_executable(refdoc ${CMAKE_SOURCE_DIR}/tools/refdoc.cpp ${CMAKE_SOURCE_DIR}/zyl70se_B5.cpp)
target_link_libraries(refdoc PRIVATE zyl_design)
set_target_properties(refdoc PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_custom_target(reference_docs ALL
  COMMAND refdoc ${CMAKE_BINARY_DIR}/docs/reference
  DEPENDS refdoc
  COMMENT "Writing the reference pages into ${CMAKE_BINARY_DIR}/docs/reference")
add_test(NAME tools.refdoc_current
  COMMAND ${CMAKE_COMMAND} -DREFDOC=$<TARGET_FILE:refdoc> -DCOMMITTED=${CMAKE_SOURCE_DIR}/docs/reference
    -DWORK=${CMAKE_BINARY_DIR}/testtmp/refdoc -P ${CMAKE_SOURCE_DIR}/tests/tools/RefdocCurrent.cmake)

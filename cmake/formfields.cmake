# The editor forms' fields come from their form files. tools/formfields, a host program of its
# own built before the forms' modules, reads <folder>/<Form>.dfm and writes into
# gen/<folder>/: <Form>.layout.cpp (the form class's FormLayout, the form file as a string
# literal the form's unit registers; compiled into the target), <Form>.fields.h (a field per
# component, typed by its class, DescribeFields, which publishes them, and FormLayout's
# declaration; the form's header includes it inside the class body) and <Form>.fieldtypes.h
# (the declarations of those classes, for the top of the header). A base class that several
# forms share lists its fields in <folder>/<Class>.fields, which names the forms: formfields
# writes <Class>.fields.h and <Class>.fieldtypes.h from it and leaves those components out of
# the forms' own fields. A component formfields cannot give a field stops the build.
add_executable(formfields ${CMAKE_SOURCE_DIR}/tools/formfields.cpp)
target_compile_options(formfields PRIVATE -Wall -Wextra)
set_target_properties(formfields PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# zyl_form_fields(<target> <folder> <namespace>): the generated files of every form file and
# shared field list of <folder>, whose form classes are of <namespace>, made before <target>
# compiles; gen/ is on the include path of <target> and of what includes its headers.
function(zyl_form_fields target dir namespace)
  file(GLOB layouts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.dfm)
  file(GLOB shared CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.fields)
  set(out ${CMAKE_BINARY_DIR}/gen/${dir})
  file(MAKE_DIRECTORY ${out})
  set(outputs)
  foreach(list IN LISTS shared)
    get_filename_component(stem ${list} NAME_WE)
    add_custom_command(OUTPUT ${out}/${stem}.fields.h ${out}/${stem}.fieldtypes.h
      COMMAND formfields ${dir}/${stem}.fields ${out}
      DEPENDS formfields ${list}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      COMMENT "Writing the fields of ${dir}/${stem}.fields" VERBATIM)
    list(APPEND outputs ${out}/${stem}.fields.h ${out}/${stem}.fieldtypes.h)
  endforeach()
  list(TRANSFORM shared REPLACE "^${CMAKE_SOURCE_DIR}/" "" OUTPUT_VARIABLE shared_args)
  foreach(layout IN LISTS layouts)
    get_filename_component(stem ${layout} NAME_WE)
    add_custom_command(
      OUTPUT ${out}/${stem}.layout.cpp ${out}/${stem}.fields.h ${out}/${stem}.fieldtypes.h
      COMMAND formfields ${dir}/${stem}.dfm ${out} ${namespace} ${shared_args}
      DEPENDS formfields ${layout} ${shared}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      COMMENT "Writing the fields of ${dir}/${stem}.dfm" VERBATIM)
    list(APPEND outputs ${out}/${stem}.layout.cpp ${out}/${stem}.fields.h ${out}/${stem}.fieldtypes.h)
  endforeach()
  target_sources(${target} PRIVATE ${outputs})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${CMAKE_BINARY_DIR}/gen>)
endfunction()

# What formfields writes for a form and a shared list, and what it refuses.
add_test(NAME tools.formfields
  COMMAND ${CMAKE_COMMAND} -DFORMFIELDS=$<TARGET_FILE:formfields>
    -DWORK=${CMAKE_BINARY_DIR}/testtmp/formfields -P ${CMAKE_SOURCE_DIR}/tests/tools/FormfieldsCases.cmake)

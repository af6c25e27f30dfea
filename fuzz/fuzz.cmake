# Fuzz entry points: one program per reader of outside data, each with LLVMFuzzerTestOneInput.
# Built as plain programs (ReplayMain.cpp) they replay files and folders; with ZYL_FUZZ=ON
# (clang) they are libFuzzer programs. Either way the test fuzz.<target> replays the target's
# seed corpus and its regression inputs (tests/fuzz/<target>/seed and .../regress).
set(zyl_fuzz_targets
  form_binary=zyl_foundation
  form_text=zyl_foundation
  bmp=platform_graphics
  ico=platform_graphics
  compress=zyl_foundation
  buffer=zyl_foundation
  listfile=zyl_foundation
  imagelist=zyl_foundation
  vcl_imagelist=platform_controls
  facesettings=zyl_foundation
  ini=platform_sys
  reghive=platform_sys
  mask=zyl_edits
  clipboard_component=platform_controls
  avi=platform_graphics
  region=zyl_foundation
  dates=zyl_edits
  numbers=platform_graphics
  clipboard_formats=platform_controls
  form_package=zyl_system
  shell_icon=platform_sys
  drawtext=platform_text
  settings=zyl_system
  pictures=zyl_edits)
add_library(zyl_fuzzsupport STATIC ${CMAKE_SOURCE_DIR}/fuzz/FuzzSupport.cpp
  ${CMAKE_SOURCE_DIR}/fuzz/FormFuzz.cpp)
target_link_libraries(zyl_fuzzsupport PUBLIC zyl_options zyl_foundation zyl_testkit)
if(NOT ZYL_FUZZ)
  add_library(zyl_fuzzreplay STATIC ${CMAKE_SOURCE_DIR}/fuzz/ReplayMain.cpp)
  target_link_libraries(zyl_fuzzreplay PUBLIC zyl_options)
endif()
# scripts/fuzz.sh takes its default target list from this file, one name a line.
set(zyl_fuzz_names)
foreach(entry IN LISTS zyl_fuzz_targets)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 target)
  list(GET entry 1 module)
  string(APPEND zyl_fuzz_names "${target}\n")
  add_executable(fuzz_${target} ${CMAKE_SOURCE_DIR}/fuzz/${target}.cpp)
  target_link_libraries(fuzz_${target} PRIVATE ${module} zyl_fuzzsupport)
  set_target_properties(fuzz_${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  set(corpus ${CMAKE_SOURCE_DIR}/tests/fuzz/${target})
  if(ZYL_FUZZ)
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
    # -runs=0: run the given corpus once, no fuzzing.
    add_test(NAME fuzz.${target} COMMAND fuzz_${target} -runs=0 ${corpus}/seed ${corpus}/regress)
  else()
    target_link_libraries(fuzz_${target} PRIVATE zyl_fuzzreplay)
    add_test(NAME fuzz.${target} COMMAND fuzz_${target} ${corpus}/seed ${corpus}/regress)
  endif()
  set_tests_properties(fuzz.${target} PROPERTIES
    ENVIRONMENT "ZYL_TEST_TMP=${CMAKE_BINARY_DIR}/testtmp")
endforeach()
# The package's unit table registers every component of the library for streaming.
target_sources(fuzz_form_package PRIVATE ${CMAKE_SOURCE_DIR}/zyl70se_B5.cpp)
file(WRITE ${CMAKE_BINARY_DIR}/fuzz/targets.txt "${zyl_fuzz_names}")
# Every entry point of fuzz/ is one of the targets above: one left out would be neither
# replayed nor fuzzed.
file(GLOB zyl_fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
foreach(source IN LISTS zyl_fuzz_sources)
  file(STRINGS ${source} defines REGEX "^extern \"C\" int LLVMFuzzerTestOneInput\\(")
  get_filename_component(target ${source} NAME_WE)
  if(defines AND NOT zyl_fuzz_names MATCHES "(^|\n)${target}\n")
    message(FATAL_ERROR "fuzz/${target}.cpp is an entry point missing from fuzz/fuzz.cmake")
  endif()
endforeach()

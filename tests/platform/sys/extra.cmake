# The test packages of the package loader: shared libraries whose unit tables the host's
# loader runs. They call back into the test executable, which therefore exports its symbols.
if(TARGET test_platform_sys)
  foreach(pkg IN ITEMS zyl_testpackage zyl_testpackage_failing)
    add_library(${pkg} SHARED ${CMAKE_SOURCE_DIR}/tests/platform/sys/package/TestPackage.cpp)
    target_link_libraries(${pkg} PRIVATE zyl_options)
    set_target_properties(${pkg} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
    add_dependencies(test_platform_sys ${pkg})
  endforeach()
  target_compile_definitions(zyl_testpackage_failing PRIVATE ZYL_TEST_PACKAGE_FAIL)
  set_target_properties(test_platform_sys PROPERTIES ENABLE_EXPORTS ON)
  target_compile_definitions(test_platform_sys PRIVATE
    ZYL_TEST_PACKAGE="$<TARGET_FILE:zyl_testpackage>"
    ZYL_TEST_PACKAGE_FAILING="$<TARGET_FILE:zyl_testpackage_failing>")
endif()

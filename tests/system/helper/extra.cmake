# A program the single-instance tests start twice, as two real processes.
if(TARGET test_zyl_system)
  add_executable(zyl_instance_helper ${CMAKE_SOURCE_DIR}/tests/system/helper/InstanceHelper.cpp)
  target_link_libraries(zyl_instance_helper PRIVATE zyl_system)
  add_dependencies(test_zyl_system zyl_instance_helper)
  target_compile_definitions(test_zyl_system PRIVATE
    ZYL_INSTANCE_HELPER="$<TARGET_FILE:zyl_instance_helper>")
endif()

# Command-line tools of the project.
add_executable(formconv ${CMAKE_SOURCE_DIR}/tools/formconv.cpp)
target_link_libraries(formconv PRIVATE platform_classes)
set_target_properties(formconv PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_executable(formview ${CMAKE_SOURCE_DIR}/tools/formview.cpp)
# The viewer shares the platform with the packages it loads.
target_link_libraries(formview PRIVATE platform_rt zyl_options)
set_target_properties(formview PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# Installing the package: the platform's run-time library, the library's run-time package, the
# IDE stand-in and the library's design-time package, every header (under include/, with the
# paths the code includes them by) and a CMake package config, so that a consumer writes
#   find_package(zyl REQUIRED)
#   target_link_libraries(app PRIVATE zyl::zyl70se_B5)          # run time
#   target_link_libraries(host PRIVATE zyl::zyl70se_B5_design)  # a design-time host
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZYL_VERSION 7.0.0)
# The installed libraries find each other beside themselves.
set_target_properties(platform_rt zyl70se_B5 platform_designide zyl70se_B5_design platform_headless
  PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS platform_rt zyl70se_B5 platform_designide zyl70se_B5_design platform_headless
  EXPORT zylTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir IN ITEMS platform foundation buttons display edits system design)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir}
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
# The fields the build writes for the editor forms' headers (cmake/formfields.cmake), beside
# the headers that include them.
foreach(dir IN ITEMS platform/designer design)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/gen/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
install(EXPORT zylTargets NAMESPACE zyl:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl)
# The packages sit in the library folder, beside the platform's library.
set(ZYL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/zylConfig.cmake.in
  ${CMAKE_BINARY_DIR}/zylConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl
  PATH_VARS ZYL_PACKAGE_DIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/zylConfigVersion.cmake
  VERSION ${ZYL_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/zylConfig.cmake ${CMAKE_BINARY_DIR}/zylConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl)

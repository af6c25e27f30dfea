# Installing the package: the platform's run-time library, the library's package, every header
# (under include/, with the paths the code includes them by) and a CMake package config, so
# that a consumer writes
#   find_package(zyl REQUIRED)
#   target_link_libraries(app PRIVATE zyl::zyl70se_B5)
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZYL_VERSION 7.0.0)
install(TARGETS platform_rt zyl70se_B5 EXPORT zylTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir IN ITEMS platform foundation buttons display system)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir}
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(EXPORT zylTargets NAMESPACE zyl:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/zylConfig.cmake.in
  ${CMAKE_BINARY_DIR}/zylConfig.cmake INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/zylConfigVersion.cmake
  VERSION ${ZYL_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/zylConfig.cmake ${CMAKE_BINARY_DIR}/zylConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zyl)

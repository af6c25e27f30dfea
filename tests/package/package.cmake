# The library's package seen from a host: the test program shares platform_rt with the package
# and is linked against the package, as an application built with run-time packages is.
# The headless kit comes as the shared library built on platform_rt. The design-time package is
# linked too, so that the test of where each component is known can read its tables.
add_executable(test_package ${CMAKE_SOURCE_DIR}/tests/package/PackageTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/PublishedPropsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/PropertyStage.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ExtremeValuesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ExtremeValueKindsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/HostileTextTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/KeyboardSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/MouseSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/InsertNotificationTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ComponentPlacesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ComponentAssignTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/FreedFromEventsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ScreenEdgesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/InputSteps.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/EventsHost.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/EventsInCodeTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/GlobalStateTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/LongRunTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/PixelCheck.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ResourcesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ReentrantHandlersTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/PropertyValues.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/PixelDensityTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ThrowingHandlersTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/DragDropSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ThreadedComponentsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/MidGestureTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/TwinInstancesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/LocaleSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ParentPropertiesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/SystemNotificationsTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/RecreateSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ScrolledPlacesTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/PaintToSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/TwinState.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/WindowStatesSweepTest.cpp
  ${CMAKE_SOURCE_DIR}/tests/package/ModalSweepTest.cpp
)
target_link_libraries(test_package PRIVATE zyl70se_B5 zyl70se_B5_design platform_headless
  platform_designide zyl_testsupport GTest::gtest_main)
add_dependencies(test_package zyl70se_B5_design)
target_compile_definitions(test_package PRIVATE
  ZYL_LIBRARY_PACKAGE="$<TARGET_FILE:zyl70se_B5>")
gtest_discover_tests(test_package DISCOVERY_MODE PRE_TEST
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  PROPERTIES ENVIRONMENT "ZYL_TEST_TMP=${CMAKE_BINARY_DIR}/testtmp")

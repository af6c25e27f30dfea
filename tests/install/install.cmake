# The installed package seen from a consumer: installs the build into a scratch prefix, then
# configures, builds and runs tests/install/consumer against it with find_package(zyl).
set(zyl_consumer_flags "")
if(ZYL_FUZZ OR ZYL_SANITIZE)
  set(zyl_consumer_flags "-fsanitize=address,undefined")
endif()
add_test(NAME install.consumer
  COMMAND ${CMAKE_COMMAND}
    -DBUILD_DIR=${CMAKE_BINARY_DIR}
    -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/tests/install/consumer
    -DWORK_DIR=${CMAKE_BINARY_DIR}/testtmp/install
    -DGENERATOR=${CMAKE_GENERATOR}
    -DCXX=${CMAKE_CXX_COMPILER}
    -DFLAGS=${zyl_consumer_flags}
    -P ${CMAKE_SOURCE_DIR}/tests/install/consumer.cmake)

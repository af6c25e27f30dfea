# The installed package seen from outside: install.prefix installs the build into a scratch
# prefix; install.consumer builds and runs tests/install/consumer against it with
# find_package(zyl), install.examples the example programs of examples/programs.
set(zyl_consumer_flags "")
if(ZYL_FUZZ OR ZYL_SANITIZE)
  set(zyl_consumer_flags "-fsanitize=address,undefined")
endif()
set(zyl_install_prefix ${CMAKE_BINARY_DIR}/testtmp/install/prefix)
add_test(NAME install.prefix
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR}
    --prefix ${zyl_install_prefix})
set_tests_properties(install.prefix PROPERTIES FIXTURES_SETUP zyl_installed)
foreach(program IN ITEMS consumer examples)
  if(program STREQUAL "consumer")
    set(source ${CMAKE_SOURCE_DIR}/tests/install/consumer)
  else()
    set(source ${CMAKE_SOURCE_DIR}/examples/programs)
  endif()
  add_test(NAME install.${program}
    COMMAND ${CMAKE_COMMAND}
      -DPREFIX=${zyl_install_prefix}
      -DSOURCE_DIR=${source}
      -DWORK_DIR=${CMAKE_BINARY_DIR}/testtmp/install/${program}
      -DGENERATOR=${CMAKE_GENERATOR}
      -DCXX=${CMAKE_CXX_COMPILER}
      -DFLAGS=${zyl_consumer_flags}
      -P ${CMAKE_SOURCE_DIR}/tests/install/${program}.cmake)
  set_tests_properties(install.${program} PROPERTIES FIXTURES_REQUIRED zyl_installed)
endforeach()

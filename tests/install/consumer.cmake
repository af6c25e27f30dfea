# Run by the test install.consumer (cmake -P): every step must succeed.
include(${CMAKE_CURRENT_LIST_DIR}/build_against_prefix.cmake)
# Every folder of the library and the platform ships its headers.
foreach(f IN ITEMS lib/cmake/zyl/zylConfig.cmake include/platform/classes/StringList.h
               include/foundation/ZYLCompress.h include/buttons/ZYLButton.h
               include/display/ZYLLabel.h include/edits/ZYLEdit.h include/system/ZYLTrayIcon.h
               include/design/pZYLRegister.h include/platform/designer/FormDesigner.h
               include/platform/testkit/TestKit.h)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
BuildAgainstPrefix()
step(${WORK_DIR}/build/consumer)
if(NOT step_output MATCHES "consumer ok")
  message(FATAL_ERROR "unexpected output: ${step_output}")
endif()

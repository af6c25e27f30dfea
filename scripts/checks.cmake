# Checks over the sources, run as tests.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# A throw site takes its error text from the constants headers: the test lists the throw
# expressions that spell a text in one of these folders.
add_test(NAME source.error_texts
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check_error_texts.py
          ${CMAKE_SOURCE_DIR} foundation platform/base platform/classes platform/controls
          platform/gdi platform/graphics platform/sys platform/text)

# The check itself: of the throw sites in its sample it names the two that spell a text.
add_test(NAME source.error_texts_check
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check_error_texts.py
          ${CMAKE_SOURCE_DIR}/scripts/testdata throws)
set_tests_properties(source.error_texts_check PROPERTIES PASS_REGULAR_EXPRESSION
  "^throws/Sample.cpp:4: throw EListError\\(\"List index out of bounds\"\\)\nthrows/Sample.cpp:8: throw EReadError\\(\"Name \" \\+ name \\+ \" is empty\"\\)\n2 throw sites")

# Catch-all handlers stay few: each stops every exception for a reason given on its line.
add_test(NAME source.catch_all
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check_catch_all.py
          ${CMAKE_SOURCE_DIR} 15)

# Units stay small: a shipped .h or .cpp over 1,000 lines is split along its classes.
add_test(NAME source.unit_size
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check_unit_size.py
          ${CMAKE_SOURCE_DIR} 1000)

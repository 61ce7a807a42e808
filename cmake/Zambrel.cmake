# Our own code is built without warnings.
function(zambrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# zambrel_library(name [WIDGETS] SOURCES ... LIBS ...)
# A static library of one layer of one folder.
function(zambrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  zambrel_warnings(${name})
endfunction()

# zambrel_test(name SOURCES ... LIBS ...)
# One GoogleTest executable registered with CTest; widget tests run headless.
function(zambrel_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  zambrel_warnings(${name})
  # A test finds its files wherever and however it is started.
  target_compile_definitions(${name} PRIVATE
    ZAMBREL_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data" ZAMBREL_BUILD_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

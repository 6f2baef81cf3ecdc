# Warning and sanitizer flags shared by every target of the project.
add_library(torvane_options INTERFACE)
target_compile_options(torvane_options INTERFACE
  -Wall -Wextra -Wpedantic -Wundef -Wformat=2 -Wnon-virtual-dtor -Wold-style-cast
  -Woverloaded-virtual -Wshadow -Wconversion -Wno-sign-conversion)
if(TORVANE_WERROR)
  target_compile_options(torvane_options INTERFACE -Werror)
endif()
# GCC 12's -Wrestrict misfires inside libstdc++'s string concatenation at -O2 and above (an overlap of "9223372036854775810
# or more bytes"), so an optimised build would stop on correct code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(torvane_options INTERFACE -Wno-restrict)
  # For Windows its -Warray-bounds and -Wnonnull misfire alike in a std::vector's growth ("offset 4 is out of the
  # bounds [0, 4]" in a resize).
  if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
    target_compile_options(torvane_options INTERFACE -Wno-array-bounds -Wno-nonnull)
  endif()
endif()

if(TORVANE_SANITIZE AND TORVANE_TSAN)
  message(FATAL_ERROR "TORVANE_SANITIZE and TORVANE_TSAN cannot be combined")
endif()
if(TORVANE_FUZZ AND (TORVANE_SANITIZE OR TORVANE_TSAN))
  message(FATAL_ERROR "TORVANE_FUZZ brings its own sanitizers; leave TORVANE_SANITIZE and TORVANE_TSAN off")
endif()
if(TORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TORVANE_FUZZ needs clang (CXX=clang++), which provides libFuzzer")
  endif()
  # Everything is instrumented for coverage; only the fuzz targets link libFuzzer's main. -O1 keeps the
  # executions per second up without optimising away what the sanitizers check.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -O1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TORVANE_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Adds a library of one layer: every .cpp below the folder but the files and sub-folders named after EXCLUDE (a
# program's own), public headers from src/.
function(torvane_layer name)
  cmake_parse_arguments(arg "" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(folder ${arg_EXCLUDE})
    string(REPLACE "." "\\." folder "${folder}")
    list(FILTER sources EXCLUDE REGEX "^${CMAKE_CURRENT_SOURCE_DIR}/${folder}(/|$)")
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC torvane_options)
endfunction()

# Adds a GoogleTest executable from every .cpp below the folder but those named after EXCLUDE; tests are listed when
# ctest runs.
function(torvane_gtest name)
  cmake_parse_arguments(arg "" "" "LIBS;ENV;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(file ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} test_support GTest::gtest GTest::gmock GTest::gtest_main torvane_options)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  # gtest_discover_tests would flatten an ENVIRONMENT list given as a property, so the discovered tests get theirs
  # from a script ctest runs after discovery (they are listed in <name>_TESTS by then), labelled with the program's
  # name (`ctest -L gui_tests`). Generator expressions work.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  set(content "set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS ${name})\n")
  if(arg_ENV)
    string(APPEND content "set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${arg_ENV}\")\n")
  endif()
  file(GENERATE OUTPUT ${script} CONTENT "${content}")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()

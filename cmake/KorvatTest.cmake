# kv_add_test(NAME <name> SOURCES <files...> LIBS <targets...>)
# One executable per test folder; each of its source files that holds tests is
# registered with ctest as a test of its own (<name>.<file stem>), running that
# file's suites through a gtest filter. Cross builds run it through the
# toolchain's emulator (wine64).
function(kv_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Test tables name only the fields a case needs; the rest keep their defaults.
  target_compile_options(${T_NAME} PRIVATE -Wno-missing-field-initializers)
  foreach(source ${T_SOURCES})
    _kv_test_suites(${CMAKE_CURRENT_SOURCE_DIR}/${source} suites)
    if(NOT suites)
      continue()
    endif()
    get_filename_component(stem ${source} NAME_WE)
    set(filter "")
    foreach(suite ${suites})
      string(APPEND filter "${suite}.*:*/${suite}.*:")
    endforeach()
    set(test_name ${T_NAME}.${stem})
    add_test(NAME ${test_name} COMMAND ${T_NAME} --gtest_brief=1 "--gtest_filter=${filter}")
    set_tests_properties(${test_name} PROPERTIES
      ENVIRONMENT "KORVAT_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures;KORVAT_EXAMPLES=${PROJECT_SOURCE_DIR}/examples"
      TIMEOUT 600)
  endforeach()
endfunction()

# The test suites a source file defines (TEST, TEST_F, TEST_P), each once.
function(_kv_test_suites file out)
  file(STRINGS ${file} lines REGEX "^(TEST|TEST_F|TEST_P)\\(")
  set(suites "")
  foreach(line ${lines})
    string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
    list(APPEND suites ${suite})
  endforeach()
  list(REMOVE_DUPLICATES suites)
  set(${out} ${suites} PARENT_SCOPE)
endfunction()

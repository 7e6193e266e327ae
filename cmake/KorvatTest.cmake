# kv_add_test(NAME <name> SOURCES <files...> LIBS <targets...>)
# One executable per test area, registered with ctest as one test. Cross builds
# run it through the toolchain's emulator (wine64).
function(kv_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gtest)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Test tables name only the fields a case needs; the rest keep their defaults.
  target_compile_options(${T_NAME} PRIVATE -Wno-missing-field-initializers)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "KORVAT_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures;KORVAT_EXAMPLES=${PROJECT_SOURCE_DIR}/examples"
    TIMEOUT 600)
endfunction()

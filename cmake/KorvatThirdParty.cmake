# Third-party pieces come from Debian packages. Cross builds cannot use the native
# libraries, so they build GoogleTest from its packaged sources and reach the
# header-only JSON library through a private include folder (adding /usr/include
# itself would shadow the mingw system headers).

if(CMAKE_CROSSCOMPILING)
  set(_kv_json_dir "${CMAKE_BINARY_DIR}/third_party/include")
  file(MAKE_DIRECTORY "${_kv_json_dir}")
  if(NOT EXISTS "${_kv_json_dir}/nlohmann")
    file(CREATE_LINK /usr/include/nlohmann "${_kv_json_dir}/nlohmann" SYMBOLIC)
  endif()
  add_library(kv_json INTERFACE)
  target_include_directories(kv_json SYSTEM INTERFACE "${_kv_json_dir}")
else()
  find_package(nlohmann_json 3 REQUIRED)
  add_library(kv_json INTERFACE)
  target_link_libraries(kv_json INTERFACE nlohmann_json::nlohmann_json)
endif()

if(KORVAT_BUILD_TESTS)
  if(CMAKE_CROSSCOMPILING)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/third_party/googletest" EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

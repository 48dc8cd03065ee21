# PCRE2 (8-bit, static) and GoogleTest for both targets.
#   native: Debian's libpcre2-dev and libgtest-dev.
#   win32:  PCRE2 built here from Debian's source package (fetched by scripts/setup into
#           .deps/src), GoogleTest from /usr/src/googletest, both with the cross compiler.
set(QS_DEPS_DIR ${CMAKE_CURRENT_LIST_DIR}/../.deps CACHE PATH "Fetched sources")

add_library(qs_pcre2 INTERFACE)
if(WIN32)
  set(PCRE2_SOURCE_DIR ${QS_DEPS_DIR}/src/pcre2-10.42)
  if(NOT EXISTS ${PCRE2_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "PCRE2 source missing in ${PCRE2_SOURCE_DIR}: run scripts/setup")
  endif()
  set(PCRE2_BUILD_PCRE2_8 ON CACHE BOOL "" FORCE)
  set(PCRE2_BUILD_PCRE2_16 OFF CACHE BOOL "" FORCE)
  set(PCRE2_BUILD_PCRE2_32 OFF CACHE BOOL "" FORCE)
  set(PCRE2_SUPPORT_JIT ON CACHE BOOL "" FORCE)
  set(PCRE2_SUPPORT_UNICODE OFF CACHE BOOL "" FORCE)
  set(PCRE2_BUILD_PCRE2GREP OFF CACHE BOOL "" FORCE)
  set(PCRE2_BUILD_TESTS OFF CACHE BOOL "" FORCE)
  set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
  set(BUILD_STATIC_LIBS ON CACHE BOOL "" FORCE)
  add_subdirectory(${PCRE2_SOURCE_DIR} ${CMAKE_BINARY_DIR}/pcre2 EXCLUDE_FROM_ALL SYSTEM)
  target_compile_options(pcre2-8-static PRIVATE -ffunction-sections -fdata-sections -w)
  target_link_libraries(qs_pcre2 INTERFACE pcre2-8-static)
  target_include_directories(qs_pcre2 SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/pcre2)
  target_compile_definitions(qs_pcre2 INTERFACE PCRE2_STATIC PCRE2_CODE_UNIT_WIDTH=8)

  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Every program of the win32 target runs on a stock Windows: the toolchain's runtime is linked in.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PCRE2 REQUIRED IMPORTED_TARGET libpcre2-8)
  target_link_libraries(qs_pcre2 INTERFACE PkgConfig::PCRE2)
  target_compile_definitions(qs_pcre2 INTERFACE PCRE2_CODE_UNIT_WIDTH=8)
  find_package(GTest REQUIRED)
endif()

# Libraries from Debian's packages, for the native and the mingw-w64 builds alike.

if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)  # libz.a, not libz.dll.a
endif()
find_package(ZLIB REQUIRED)

# fmt and CLI11 are used header-only. The cross build must not see /usr/include as a whole (its
# glibc headers would shadow mingw's), so their headers are copied into the build tree.
function(xr_header_only_library target source_dir dest_name)
  set(dest ${CMAKE_BINARY_DIR}/third_party/include/${dest_name})
  if(NOT EXISTS ${dest})
    file(COPY ${source_dir}/ DESTINATION ${dest})
  endif()
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/include)
endfunction()

xr_header_only_library(xr_fmt /usr/include/fmt fmt)
target_compile_definitions(xr_fmt INTERFACE FMT_HEADER_ONLY=1)
xr_header_only_library(xr_cli11 /usr/include/CLI CLI)

# GoogleTest: Debian's prebuilt library natively, built from Debian's sources for Windows.
if(XR_BUILD_TESTS)
  if(WIN32)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
endif()

# The Windows configuration: static linking, Wine as the test emulator, and the libcurl and
# GoogleTest that scripts/setup built for this toolchain.
set(CORVANA_DEPS_DIR "$ENV{CORVANA_DEPS_DIR}")
if(NOT CORVANA_DEPS_DIR)
  set(CORVANA_DEPS_DIR /var/cache/corvana-deps)
endif()
if(NOT EXISTS ${CORVANA_DEPS_DIR}/mingw-deps.cmake)
  message(FATAL_ERROR "${CORVANA_DEPS_DIR}/mingw-deps.cmake is missing: run scripts/setup first")
endif()
include(${CORVANA_DEPS_DIR}/mingw-deps.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH ${CORVANA_CURL_PREFIX} ${CORVANA_GTEST_PREFIX})

# mingw's static zlib by name (libcurl links it too): the import library that find_package would
# pick makes a program need zlib1.dll.
set(ZLIB_LIBRARY_RELEASE /usr/${MINGW_PREFIX}/lib/libz.a CACHE FILEPATH "static zlib" FORCE)
set(ZLIB_LIBRARY_DEBUG /usr/${MINGW_PREFIX}/lib/libz.a CACHE FILEPATH "static zlib" FORCE)
find_package(ZLIB REQUIRED)
find_package(CURL CONFIG REQUIRED)
find_package(GTest CONFIG REQUIRED)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++)

find_program(WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/run)

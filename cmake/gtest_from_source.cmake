# GoogleTest compiled with this build's own flags, for builds that cannot link the
# system's libraries (the 32-bit build). Debian's libgtest-dev ships the sources.
set(ZEMAPI_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built when ZEMAPI_M32 is on")
if(NOT EXISTS ${ZEMAPI_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "no GoogleTest sources in ${ZEMAPI_GTEST_SOURCE_DIR} (Debian: apt-get install libgtest-dev)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# Their warnings are theirs: our -Wall -Wextra apply to our sources only.
get_directory_property(zemapi_saved_options COMPILE_OPTIONS)
set_property(DIRECTORY PROPERTY COMPILE_OPTIONS "")
add_subdirectory(${ZEMAPI_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_property(DIRECTORY PROPERTY COMPILE_OPTIONS "${zemapi_saved_options}")
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()

# The 32-bit build (ZEMAPI_M32, the m32 preset): a 32-bit compiler, GoogleTest compiled
# here (tests/CMakeLists.txt), and where this machine cannot run 32-bit programs itself
# (a kernel without 32-bit support) the tests run under qemu-i386.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  message(FATAL_ERROR "ZEMAPI_M32 needs a 32-bit compiler: -m32 in CMAKE_C_FLAGS and CMAKE_CXX_FLAGS (cmake --preset m32)")
endif()

file(WRITE ${PROJECT_BINARY_DIR}/m32-probe/probe.c "int main(void) { return sizeof(void *) == 4 ? 0 : 1; }\n")
try_run(zemapi_m32_runs zemapi_m32_compiles ${PROJECT_BINARY_DIR}/m32-probe ${PROJECT_BINARY_DIR}/m32-probe/probe.c)
if(NOT zemapi_m32_compiles)
  message(FATAL_ERROR "the compiler cannot build 32-bit programs (Debian: apt-get install g++-multilib)")
endif()

# 64-bit file offsets, as on every 64-bit build: files of 2 GiB and more open, and their
# size is refused by the size checks rather than by fopen.
add_compile_definitions(_FILE_OFFSET_BITS=64)

set(ZEMAPI_TOOL_COMMAND "")
if(NOT zemapi_m32_runs EQUAL 0)
  find_program(ZEMAPI_QEMU_I386 qemu-i386)
  if(NOT ZEMAPI_QEMU_I386)
    message(FATAL_ERROR "this machine does not run 32-bit programs; install qemu-user (qemu-i386) to test the 32-bit build")
  endif()
  message(STATUS "32-bit programs run under ${ZEMAPI_QEMU_I386}")
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEMAPI_QEMU_I386})
  # The tool tests start zem themselves: through a script that starts the emulator.
  set(ZEMAPI_TOOL_COMMAND ${PROJECT_BINARY_DIR}/bin/zem-emulated)
  file(GENERATE OUTPUT ${ZEMAPI_TOOL_COMMAND}
       CONTENT "#!/bin/sh\nexec ${ZEMAPI_QEMU_I386} $<TARGET_FILE:zem> \"$@\"\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

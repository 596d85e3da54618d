# Cross-builds the programs for 64-bit Windows with MinGW-w64 (the posix thread model, which Qt
# for Windows is built with) against a Windows SDK prefix holding Qt and Qwt:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DHARDNESS_WINDOWS_SDK=<prefix> ...
# (scripts/build-windows.sh does this).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT HARDNESS_WINDOWS_SDK)
  set(HARDNESS_WINDOWS_SDK "$ENV{HARDNESS_WINDOWS_SDK}")
endif()
if(NOT IS_DIRECTORY "${HARDNESS_WINDOWS_SDK}/lib/cmake/Qt5")
  message(FATAL_ERROR "HARDNESS_WINDOWS_SDK must name the Windows SDK prefix (Qt and Qwt for MinGW-w64)")
endif()
# try_compile projects read this file again: hand the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES HARDNESS_WINDOWS_SDK)

# Libraries, headers and packages from the SDK and the MinGW run-time only; programs (moc, rcc,
# uic, lrelease) are this machine's.
set(CMAKE_FIND_ROOT_PATH "${HARDNESS_WINDOWS_SDK}" /usr/x86_64-w64-mingw32)
set(CMAKE_PREFIX_PATH "${HARDNESS_WINDOWS_SDK}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The SDK has no Qt Linguist: the catalogues are compiled by the host's lrelease (the .qm files
# are the same on every platform).
set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools CACHE PATH "")

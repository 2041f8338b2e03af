# Windows x86_64 with mingw-w64.
# ORVELA_MINGW_THREADS picks the compiler's thread model: "posix" (default)
# for test builds, because GoogleTest needs std::mutex; "win32" for the
# programs we ship, whose runtime then imports nothing newer than Windows XP
# (the posix runtime imports GetTickCount64).
if(NOT ORVELA_MINGW_THREADS)
  set(ORVELA_MINGW_THREADS posix)
endif()
set(ORVELA_MINGW_THREADS ${ORVELA_MINGW_THREADS} CACHE STRING "mingw-w64 thread model: win32 or posix")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${ORVELA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${ORVELA_MINGW_THREADS})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

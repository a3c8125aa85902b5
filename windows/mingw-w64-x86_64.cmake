# Windows (64-bit) from Debian: MinGW-w64's GCC with POSIX threads, the
# thread model Qt's code needs. Used for Qt for Windows itself and for
# korvid.exe, so both link the same runtime in the same way.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KORVID_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KORVID_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVID_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVID_MINGW}-windres)

# Libraries and packages come from the MinGW tree and, for korvid.exe, from
# the Qt for Windows it is built against; programs run at build time are the
# build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${KORVID_MINGW} ${KORVID_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The MinGW runtime (libgcc, libstdc++, winpthreads) is linked into every
# executable and DLL, so nothing but Windows' own DLLs and the Qt DLLs
# shipped beside korvid.exe is needed to run it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Qt's own build tools (moc, rcc, uic and CMake's files for them) are the
# build machine's Qt's, the same version, for Qt for Windows and korvid.exe.
set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "CMake files of Qt for the build machine")

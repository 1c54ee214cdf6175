# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix), used by
# `make windows` and `make test-windows`. ZANDREL_MINGW_PREFIXES names the folders that hold Qt and
# the other libraries built for Windows (scripts/windows/build-qt.sh, build-deps.sh); only those and
# MinGW's own sysroot are searched, never the host's /usr.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZANDREL_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix flavour: std::thread and std::mutex, which the mail code uses, need winpthreads.
set(CMAKE_C_COMPILER ${ZANDREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZANDREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZANDREL_MINGW_TRIPLE}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZANDREL_MINGW_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${ZANDREL_MINGW_TRIPLE} ${ZANDREL_MINGW_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must read the Windows libraries' .pc files, not the host's.
set(_pc_dirs)
foreach(_p IN LISTS ZANDREL_MINGW_PREFIXES)
    list(APPEND _pc_dirs ${_p}/lib/pkgconfig)
endforeach()
string(REPLACE ";" ":" _pc_dirs "${_pc_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${_pc_dirs}")
set(ENV{PKG_CONFIG_PATH} "")
unset(_pc_dirs)

# Test programs (and GoogleTest's discovery of their tests) run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)

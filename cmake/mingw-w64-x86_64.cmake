# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and std::mutex need):
#     cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...   (or the windows presets)
#
# LUMIVANE_MINGW_STATIC_RUNTIME (ON by default) links libgcc, libstdc++ and winpthread into
# every program and DLL, so nothing of the compiler's has to travel with them. With it OFF,
# the programs need the DLLs named in LUMIVANE_MINGW_RUNTIME_DLLS beside them.
# Programs built here run on this machine through Wine (CMAKE_CROSSCOMPILING_EMULATOR),
# which is how ctest runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LUMIVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(LUMIVANE_MINGW_ROOT /usr/${LUMIVANE_MINGW_TRIPLE})

# The "-posix" names pin the thread model whatever the alternatives system points the plain
# names at.
find_program(CMAKE_C_COMPILER NAMES ${LUMIVANE_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${LUMIVANE_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${LUMIVANE_MINGW_TRIPLE}-windres REQUIRED)
find_program(CMAKE_AR NAMES ${LUMIVANE_MINGW_TRIPLE}-gcc-ar-posix ${LUMIVANE_MINGW_TRIPLE}-ar)
find_program(CMAKE_RANLIB NAMES ${LUMIVANE_MINGW_TRIPLE}-gcc-ranlib-posix
                                ${LUMIVANE_MINGW_TRIPLE}-ranlib)

# Libraries and headers come from the Windows side only; programs (moc, code generators) from
# this machine. A cross-built Qt adds its own prefix through CMAKE_PREFIX_PATH.
list(APPEND CMAKE_FIND_ROOT_PATH ${LUMIVANE_MINGW_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

if(NOT DEFINED LUMIVANE_MINGW_STATIC_RUNTIME)
    set(LUMIVANE_MINGW_STATIC_RUNTIME ON)
endif()
set(LUMIVANE_MINGW_STATIC_RUNTIME ${LUMIVANE_MINGW_STATIC_RUNTIME}
    CACHE BOOL "Link the MinGW compiler runtime statically into every program and DLL")
if(LUMIVANE_MINGW_STATIC_RUNTIME)
    # -static only changes how -l names are looked up, so import libraries given by their full
    # path (a Qt DLL's .dll.a) still link to their DLLs.
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
    set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
    set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
endif()

# Where the runtime DLLs are, for the packaging to copy when the runtime is not linked in.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _lumivane_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE _lumivane_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
set(LUMIVANE_MINGW_RUNTIME_DLLS
    ${_lumivane_libstdcxx} ${_lumivane_libgcc} ${LUMIVANE_MINGW_ROOT}/lib/libwinpthread-1.dll)

find_program(LUMIVANE_WINE NAMES wine wine64)
if(LUMIVANE_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMIVANE_WINE})
endif()

# What the MinGW-w64 cross builds share; cmake/mingw-<processor>.cmake set N5_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR, then include this file.
set(CMAKE_SYSTEM_NAME Windows)

# The win32 thread model needs no threading library, so the program links nothing beyond
# Windows' own DLLs; fall back to the plain names where the variants are missing.
find_program(CMAKE_C_COMPILER NAMES ${N5_MINGW_TRIPLET}-gcc-win32 ${N5_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${N5_MINGW_TRIPLET}-g++-win32 ${N5_MINGW_TRIPLET}-g++
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${N5_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${N5_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every function and object in a section of its own, so that the linker drops what the
# program never calls.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")

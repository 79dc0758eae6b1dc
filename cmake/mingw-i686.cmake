# Cross-compiles the Windows launcher with Debian's MinGW-w64 (package g++-mingw-w64-i686):
# 32-bit Windows programs that run on Windows 7 to 11. This is the program that ships.
#   cmake --preset win32
set(CMAKE_SYSTEM_PROCESSOR i686)
set(N5_MINGW_TRIPLET i686-w64-mingw32)
# What the resource compiler writes, and the processor the program's manifest names.
set(N5_RESOURCE_TARGET pe-i386)
set(N5_MANIFEST_ARCHITECTURE x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# The same Windows launcher built for 64-bit Windows (package g++-mingw-w64-x86-64). It does
# not ship: the Wine tests run it on hosts whose kernel cannot execute 32-bit programs, where
# 32-bit Wine cannot start at all.
#   cmake --preset win64
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(N5_MINGW_TRIPLET x86_64-w64-mingw32)
# What the resource compiler writes, and the processor the program's manifest names.
set(N5_RESOURCE_TARGET pe-x86-64)
set(N5_MANIFEST_ARCHITECTURE amd64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

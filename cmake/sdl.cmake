# SDL2, SDL2_ttf and SDL2_image for every Linux program of the build, found once so that all of them link
# the same: N5_SDL_LIBRARIES.
#
# N5_STATIC_SDL names the folder where tools/disc/static-sdl.sh installed static SDL2,
# SDL2_ttf and SDL2_image (the release preset: the program on the disc). The launcher then needs nothing
# beyond glibc, the X11 client libraries, fontconfig and freetype. Without it, the system's
# shared SDL2 (the tests' build).
set(N5_STATIC_SDL "" CACHE PATH "Folder of the static SDL2 and SDL2_ttf for the disc's launcher")
if(N5_STATIC_SDL)
  find_package(SDL2 REQUIRED CONFIG PATHS ${N5_STATIC_SDL} NO_DEFAULT_PATH)
  find_package(SDL2_ttf REQUIRED CONFIG PATHS ${N5_STATIC_SDL} NO_DEFAULT_PATH)
  find_package(SDL2_image REQUIRED CONFIG PATHS ${N5_STATIC_SDL} NO_DEFAULT_PATH)
  set(N5_SDL_LIBRARIES SDL2::SDL2-static SDL2_ttf::SDL2_ttf-static SDL2_image::SDL2_image-static)
else()
  find_package(SDL2 REQUIRED)
  find_package(SDL2_ttf REQUIRED)
  find_package(SDL2_image REQUIRED)
  set(N5_SDL_LIBRARIES SDL2::SDL2 SDL2_ttf::SDL2_ttf SDL2_image::SDL2_image)
endif()

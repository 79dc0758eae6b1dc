// The floor for the Linux launcher's start-up: the least any launcher like ours must do.
// A borderless 502 x 387 window, centred, showing the same background picture (carried in
// the program) and one line of Chinese text in the same font, found through fontconfig.
// Then it waits for events until it is closed.

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string>

#include "assets/embedded_assets.h"

namespace {

struct FontFile {
  std::string path;
  int index = 0;
};

FontFile MatchFont(const char* pattern_text) {
  FontFile file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(pattern_text));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      file.path = reinterpret_cast<const char*>(path);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return file;
}

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
  // A window surface in plain memory, sent with the X server's own calls: no GL context.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        502, 387, SDL_WINDOW_BORDERLESS);
  if (window == nullptr) return 1;
  auto bytes = n5::assets::Bytes(n5::assets::AssetId::Background);
  SDL_Surface* background =
      IMG_LoadTyped_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1, "PNG");
  SDL_Surface* screen = SDL_GetWindowSurface(window);
  SDL_BlitSurface(background, nullptr, screen, nullptr);

  FontFile file = MatchFont("sans-serif:lang=zh-cn");
  if (TTF_Font* font = TTF_OpenFontIndexDPI(file.path.c_str(), 11, file.index, 96, 96)) {
    SDL_Surface* text = TTF_RenderUTF8_Blended(font, "安装产品", SDL_Color{12, 32, 76, 255});
    SDL_Rect where{72, 130, 0, 0};
    SDL_BlitSurface(text, nullptr, screen, &where);
    SDL_FreeSurface(text);
    TTF_CloseFont(font);
  }
  SDL_UpdateWindowSurface(window);

  for (SDL_Event event; SDL_WaitEvent(&event) != 0;) {
    if (event.type == SDL_QUIT) break;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
      SDL_UpdateWindowSurface(window);
    }
  }
  SDL_FreeSurface(background);
  SDL_DestroyWindow(window);
  TTF_Quit();
  SDL_Quit();
  return 0;
}

#include "linux/event_loop.h"

#include <string>
#include <vector>

#include "tests/linux/offscreen_launcher.h"

namespace n5::linux_ui {
namespace {

class EventLoopTest : public testing::OffscreenLauncherTest {
 protected:
  void SetUp() override {
    OffscreenLauncherTest::SetUp();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  static SDL_Event Key(SDL_Keycode key, std::uint16_t modifiers = KMOD_NONE) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    e.key.keysym.mod = modifiers;
    return e;
  }
  static SDL_Event Motion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
  }
  static SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
  }
  static SDL_Event Quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    return e;
  }

  // Queues the events, then runs the loop; the last event must end it.
  int Run(std::vector<SDL_Event> events) {
    for (SDL_Event& e : events) EXPECT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    return RunEventLoop(form(), *painter_, cursors_);
  }

  SDL_Point CaptionCentre(int item) {
    SDL_Rect r = Placed(splash().lbl_pcbText(item));
    return {r.x + r.w / 2, r.y + r.h / 2};
  }

  PointerCursors cursors_;
};

TEST_F(EventLoopTest, EndsWhenTheCoreUnloadsTheWindowOrTheDesktopQuits) {
  struct Case {
    const char* what;
    SDL_Event last;
    bool unloaded;
  } cases[] = {
      {"Esc", Key(SDLK_ESCAPE), true},
      {"X", Key(SDLK_x), true},
      {"Shift+X", Key(SDLK_x, KMOD_LSHIFT), true},
      {"Ctrl+Break", Key(SDLK_PAUSE, KMOD_LCTRL), true},
      {"quit", Quit(), false},
  };
  for (const Case& c : cases) {
    SetUp();
    EXPECT_EQ(Run({Key(SDLK_DOWN), Key(SDLK_DOWN), c.last}), 0) << c.what;
    EXPECT_EQ(form().unloaded(), c.unloaded) << c.what;
    EXPECT_EQ(splash().SelectedIndex, 1) << c.what;
  }
}

TEST_F(EventLoopTest, HandsPointerPositionsToTheCoreInTwips) {
  SDL_Point third = CaptionCentre(2);
  EXPECT_EQ(Run({Motion(third.x, third.y), Quit()}), 0);
  EXPECT_EQ(splash().SelectedIndex, 2);
  const assets::ProbePoint& bg = assets::kBackgroundProbe;
  EXPECT_EQ(Run({Motion(bg.x, bg.y), Quit()}), 0);
  EXPECT_EQ(splash().SelectedIndex, frmSplash::NoSelection);
}

TEST_F(EventLoopTest, ClicksWithTheLeftButtonOnly) {
  SDL_Point second = CaptionCentre(1);
  EXPECT_EQ(Run({Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, second.x, second.y),
                 Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, second.x, second.y), Quit()}),
            0);
  EXPECT_TRUE(platform_.calls().empty());
  EXPECT_EQ(Run({Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, second.x, second.y),
                 Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, second.x, second.y), Quit()}),
            0);
  ASSERT_EQ(platform_.calls().size(), 1U);
  EXPECT_EQ(platform_.calls()[0].rfind("start explorer ", 0), 0U) << platform_.calls()[0];
  // Pressed on one caption and released on another is no click.
  platform_.ClearCalls();
  SDL_Point first = CaptionCentre(0);
  EXPECT_EQ(Run({Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, first.x, first.y),
                 Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, second.x, second.y), Quit()}),
            0);
  EXPECT_TRUE(platform_.calls().empty());
}

TEST_F(EventLoopTest, PassesKeysWithoutAWindowsCodeOver) {
  EXPECT_EQ(Run({Key(SDLK_AUDIONEXT), Key(SDLK_DOWN), Key(SDLK_RETURN), Quit()}), 0);
  ASSERT_EQ(platform_.calls().size(), 1U);
  EXPECT_NE(platform_.calls()[0].find("setup.exe"), std::string::npos) << platform_.calls()[0];
}

}  // namespace
}  // namespace n5::linux_ui

// The cost of one event in the core: routing, the handler and the repaint bookkeeping, on
// the real window definition laid out with deterministic metrics.

#include <benchmark/benchmark.h>

#include <memory>

#ifdef N5_BENCH_PAINTER
#include <SDL2/SDL.h>

#include "linux/form_painter.h"
#include "linux/ttf_fonts.h"
#endif

#include "form/text_metrics.h"
#include "launcher/frm_splash.h"
#include "launcher/text_table.h"
#include "platform/recording_platform.h"

namespace {

struct Launcher {
  Launcher() : texts(n5::TextVariant::Simplified), form(metrics, texts, platform) {
    form.window().Load();
    form.window().TakeDamage();
  }
  // The middle of item i's caption label, in client twips.
  std::pair<float, float> Caption(int i) {
    n5::form::Rect r = form.window().VisibleRect(form.lbl_pcbText(i));
    return {r.left + r.width / 2, r.top + r.height / 2};
  }
  n5::form::DeterministicTextMetrics metrics;
  n5::BuiltInTextTable texts;
  n5::platform::RecordingPlatform platform;
  n5::frmSplash form;
};

// The pointer goes back and forth between two captions: every move moves the highlight.
void MoveThatChangesTheHighlight(benchmark::State& state) {
  Launcher launcher;
  auto a = launcher.Caption(0);
  auto b = launcher.Caption(1);
  bool first = true;
  for (auto _ : state) {
    auto p = first ? a : b;
    first = !first;
    launcher.form.window().MouseMove(p.first, p.second);
    benchmark::DoNotOptimize(launcher.form.window().TakeDamage());
  }
}
BENCHMARK(MoveThatChangesTheHighlight);

// The pointer wanders over the background with nothing highlighted: nothing to repaint.
void MoveThatChangesNothing(benchmark::State& state) {
  Launcher launcher;
  float x = 6000;
  for (auto _ : state) {
    x = x == 6000 ? 6015 : 6000;
    launcher.form.window().MouseMove(x, 500);
    auto damage = launcher.form.window().TakeDamage();
    if (!damage.empty()) state.SkipWithError("a move that changes nothing asked for a repaint");
    benchmark::DoNotOptimize(damage);
  }
}
BENCHMARK(MoveThatChangesNothing);

// Down, again and again: the highlight steps through the items and wraps around.
void KeyPress(benchmark::State& state) {
  Launcher launcher;
  for (auto _ : state) {
    launcher.form.window().KeyDown(40);
    benchmark::DoNotOptimize(launcher.form.window().TakeDamage());
  }
}
BENCHMARK(KeyPress);

// The whole start-up of the core: the window built from its definition and laid out.
void BuildAndLoad(benchmark::State& state) {
  for (auto _ : state) {
    Launcher launcher;
    benchmark::DoNotOptimize(launcher.form.SelectedIndex);
  }
}
BENCHMARK(BuildAndLoad);

#ifdef N5_BENCH_PAINTER
// The same events with the Linux front end's real fonts and painter, drawing on the window
// surface of SDL's dummy video driver (pixels in memory, no display): the handler plus the
// repaint of what changed, as the launcher does after each event.
struct PaintedLauncher {
  PaintedLauncher()
      : fonts("zh-cn"), texts(n5::TextVariant::Simplified), form(fonts, texts, platform) {
    form.window().Load();
    window = SDL_CreateWindow("bench", 0, 0, 502, 387, SDL_WINDOW_HIDDEN);
    painter = std::make_unique<n5::linux_ui::FormPainter>(window, form.window(), fonts);
    form.window().TakeDamage();
    painter->RepaintAll();
  }
  ~PaintedLauncher() {
    painter.reset();
    SDL_DestroyWindow(window);
  }
  PaintedLauncher(const PaintedLauncher&) = delete;
  PaintedLauncher& operator=(const PaintedLauncher&) = delete;
  std::pair<float, float> Caption(int i) {
    n5::form::Rect r = form.window().VisibleRect(form.lbl_pcbText(i));
    return {r.left + r.width / 2, r.top + r.height / 2};
  }
  void Repaint() { painter->Repaint(form.window().TakeDamage()); }

  n5::linux_ui::TtfFonts fonts;
  n5::BuiltInTextTable texts;
  n5::platform::RecordingPlatform platform;
  n5::frmSplash form;
  SDL_Window* window = nullptr;
  std::unique_ptr<n5::linux_ui::FormPainter> painter;
};

PaintedLauncher& Painted() {
  static bool ready = [] {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    return SDL_Init(SDL_INIT_VIDEO) == 0;
  }();
  (void)ready;
  static PaintedLauncher launcher;
  return launcher;
}

void MoveThatChangesTheHighlightAndRepaints(benchmark::State& state) {
  PaintedLauncher& launcher = Painted();
  auto a = launcher.Caption(0);
  auto b = launcher.Caption(1);
  bool first = true;
  for (auto _ : state) {
    auto p = first ? a : b;
    first = !first;
    launcher.form.window().MouseMove(p.first, p.second);
    launcher.Repaint();
  }
}
BENCHMARK(MoveThatChangesTheHighlightAndRepaints);

void MoveThatChangesNothingAndRepaints(benchmark::State& state) {
  PaintedLauncher& launcher = Painted();
  launcher.form.window().MouseMove(6000, 500);
  launcher.Repaint();
  float x = 6000;
  for (auto _ : state) {
    x = x == 6000 ? 6015 : 6000;
    launcher.form.window().MouseMove(x, 500);
    if (launcher.form.window().damaged()) state.SkipWithError("asked for a repaint");
    launcher.Repaint();
  }
}
BENCHMARK(MoveThatChangesNothingAndRepaints);

void KeyPressAndRepaint(benchmark::State& state) {
  PaintedLauncher& launcher = Painted();
  for (auto _ : state) {
    launcher.form.window().KeyDown(40);
    launcher.Repaint();
  }
}
BENCHMARK(KeyPressAndRepaint);

void FullFrameOffscreen(benchmark::State& state) {
  PaintedLauncher& launcher = Painted();
  for (auto _ : state) launcher.painter->RepaintAll();
}
BENCHMARK(FullFrameOffscreen);
#endif

}  // namespace

BENCHMARK_MAIN();

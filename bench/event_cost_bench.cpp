// The cost of one event in the core: routing, the handler and the repaint bookkeeping, on
// the real window definition laid out with deterministic metrics.

#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK_MAIN();

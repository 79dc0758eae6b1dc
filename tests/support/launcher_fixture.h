#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "form/text_metrics.h"
#include "launcher/frm_splash.h"
#include "launcher/text_table.h"
#include "platform/recording_platform.h"

namespace n5::testing {

// The table carried in the program, less the ids a test takes out.
class EditableTexts final : public TextSource {
 public:
  explicit EditableTexts(TextVariant variant = TextVariant::Simplified) : table_(variant) {}
  std::optional<std::string> Find(int id) const override {
    if (missing.contains(id)) return std::nullopt;
    return table_.Find(id);
  }
  std::set<int> missing;

 private:
  BuiltInTextTable table_;
};

// A launcher window on a recording platform with deterministic metrics, not yet loaded.
class LauncherTest : public ::testing::Test {
 protected:
  void Build(int items = 5) {
    form_ = std::make_unique<frmSplash>(metrics_, texts_, platform_, items);
  }
  void Load(int items = 5) {
    Build(items);
    window().Load();
    platform_.ClearCalls();
  }
  frmSplash& form() { return *form_; }
  form::Window& window() { return form_->window(); }
  const std::vector<std::string>& calls() const { return platform_.calls(); }

  // The middle of item i's caption label, in client twips.
  std::pair<float, float> CaptionPoint(int i) {
    form::Rect r = window().VisibleRect(form().lbl_pcbText(i));
    return {r.left + r.width / 2, r.top + r.height / 2};
  }

  form::DeterministicTextMetrics metrics_;
  EditableTexts texts_;
  platform::RecordingPlatform platform_;
  std::unique_ptr<frmSplash> form_;
};

}  // namespace n5::testing

#include "tests/fuzz/differential.h"

#include <array>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "form/text_metrics.h"
#include "launcher/frm_splash.h"
#include "platform/recording_platform.h"
#include "tests/fuzz/reference_model.h"

namespace n5::fuzz {
namespace {

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class Texts final : public TextSource {
 public:
  Texts(TextVariant variant, std::set<int> missing)
      : table_(variant), missing_(std::move(missing)) {}
  std::optional<std::string> Find(int id) const override {
    if (missing_.contains(id)) return std::nullopt;
    return table_.Find(id);
  }

 private:
  BuiltInTextTable table_;
  std::set<int> missing_;
};

// Coordinates where a strict or half-open test decides: every edge of every control that
// takes pointer events, and one twip to either side.
std::vector<float> EdgesOf(const form::Window& window, bool horizontal) {
  std::vector<float> edges;
  for (const auto& c : window.controls()) {
    if (!c->visible()) continue;
    form::Rect r = window.ClientRect(*c);
    const std::array<float, 2> sides =
        horizontal ? std::array{r.left, r.right()} : std::array{r.top, r.bottom()};
    for (float edge : sides) {
      for (float d : {-1.0F, -0.5F, 0.0F, 0.5F, 1.0F}) edges.push_back(edge + d);
    }
  }
  return edges;
}

std::string Describe(const char* what, const std::string& core, const std::string& model) {
  return std::string(what) + ": core " + core + ", model " + model;
}

std::string Compare(frmSplash& form, const platform::RecordingPlatform& platform,
                    const ReferenceModel& model) {
  if (form.window().unloaded() != model.unloaded) {
    return Describe("unloaded", std::to_string(form.window().unloaded()),
                    std::to_string(model.unloaded));
  }
  if (form.SelectedIndex != model.selected) {
    return Describe("SelectedIndex", std::to_string(form.SelectedIndex),
                    std::to_string(model.selected));
  }
  for (int i = 0; i < form.MenuItemCount(); ++i) {
    bool hover = form.pcb(i).picture() == form.Image_Hover.picture();
    bool normal = form.pcb(i).picture() == form.Image_Normal.picture();
    if (!hover && !normal) return "pcb(" + std::to_string(i) + ") shows neither item picture";
    if (hover != model.hover[static_cast<std::size_t>(i)]) {
      return Describe(("pcb(" + std::to_string(i) + ") hover").c_str(), std::to_string(hover),
                      std::to_string(model.hover[static_cast<std::size_t>(i)]));
    }
  }
  if (form.lblShowInfo.caption() != model.info_caption) {
    return Describe("lblShowInfo caption", form.lblShowInfo.caption(), model.info_caption);
  }
  if (form.lblShowInfo.top() != model.info_top) {
    return Describe("lblShowInfo top", std::to_string(form.lblShowInfo.top()),
                    std::to_string(model.info_top));
  }
  if (form.lbl_www.font().underline != model.underline) {
    return Describe("underline", std::to_string(form.lbl_www.font().underline),
                    std::to_string(model.underline));
  }
  if (platform.calls() != model.calls) {
    std::ostringstream core, expected;
    for (const auto& c : platform.calls()) core << "[" << c << "]";
    for (const auto& c : model.calls) expected << "[" << c << "]";
    return Describe("calls", core.str(), expected.str());
  }
  return {};
}

}  // namespace

std::string RunDifferential(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  ModelSettings settings;
  settings.items = 1 + in.Byte() % 8;
  std::uint8_t flags = in.Byte();
  std::uint8_t missing = in.Byte();
  settings.fail_start = (flags & 1) != 0;
  settings.fail_open = (flags & 2) != 0;
  settings.traditional = (flags & 4) != 0;
  static constexpr int kMissable[] = {107, 108, 109, 110, 111, 112, 113, 102};
  for (int bit = 0; bit < 8; ++bit) {
    if ((missing >> bit) & 1) settings.missing_texts.insert(kMissable[bit]);
  }

  Texts texts(settings.traditional ? TextVariant::Traditional : TextVariant::Simplified,
              settings.missing_texts);
  platform::RecordingPlatform platform;
  platform.settings().fail_start = settings.fail_start;
  platform.settings().fail_open = settings.fail_open;
  form::DeterministicTextMetrics metrics;
  frmSplash form(metrics, texts, platform, settings.items);
  form.window().Load();

  // The footer's widths are whatever the metrics make of its texts.
  form::TextExtent www = metrics.Measure({"Arail", 8, false, false, 134}, kWebAddressUrl);
  std::string tel_text =
      settings.missing_texts.contains(107) ? kDesignedHotline : LoadText(texts, 107);
  form::TextExtent tel = metrics.Measure({"黑体", 9, false, false, 134}, tel_text);
  settings.www_width = www.width;
  settings.www_height = www.height;
  settings.tel_width = tel.width;
  settings.tel_height = tel.height;
  ReferenceModel model(settings);

  if (std::string first = Compare(form, platform, model); !first.empty()) {
    return "after Load: " + first;
  }
  const std::vector<float> xs = EdgesOf(form.window(), true);
  const std::vector<float> ys = EdgesOf(form.window(), false);
  static constexpr std::int16_t kTableKeys[] = {38, 40, 13, 88, 3, 27, 112, 37};

  for (int event = 0; !in.empty() && !model.ended && !model.unloaded; ++event) {
    std::uint8_t kind = in.Byte();
    std::uint16_t a = in.Word();
    std::uint16_t b = in.Word();
    std::string name;
    if (kind % 3 == 2) {
      auto code = static_cast<std::int16_t>(a);
      if ((kind & 0x80) != 0) code = kTableKeys[a % std::size(kTableKeys)];
      form.window().KeyDown(code, static_cast<std::int16_t>(b & 7));
      model.Key(code);
      name = "key " + std::to_string(code);
    } else {
      float x = static_cast<float>(a % 7800) - 100;
      float y = static_cast<float>(b % 6100) - 100;
      if ((kind & 0x80) != 0) x = xs[a % xs.size()];
      if ((kind & 0x40) != 0) y = ys[b % ys.size()];
      if (kind % 3 == 0) {
        form.window().MouseMove(x, y);
        model.Move(x, y);
        name = "move ";
      } else {
        form.window().Click(x, y);
        model.Click(x, y);
        name = "click ";
      }
      name += std::to_string(x) + " " + std::to_string(y);
    }
    if (std::string diff = Compare(form, platform, model); !diff.empty()) {
      return "event " + std::to_string(event) + " (" + name + ", " +
             std::to_string(settings.items) + " items): " + diff;
    }
  }
  return {};
}

}  // namespace n5::fuzz

#include "tests/fuzz/reference_model.h"

#include <cmath>

#include "launcher/text_table.h"

namespace n5::fuzz {
namespace {

constexpr float kMenuLeft = 362, kMenuTop = 1800, kButtonWidth = 2115, kButtonHeight = 510;
constexpr float kPitch = kButtonHeight + 75;
constexpr float kFooterTop = 5385;
constexpr float kInfoLeft = 3302, kInfoWidth = 3600, kInfoHeight = 2250;
constexpr const char* kUrl = "http://www.n5-erp.example";
const std::string kFailure = "The system cannot find the file specified.";

float ButtonTop(int i) {
  return kMenuTop + kPitch * static_cast<float>(i);
}

bool HalfOpen(float x, float y, float l, float t, float w, float h) {
  return x >= l && x < l + w && y >= t && y < t + h;
}
bool Strict(float x, float y, float l, float t, float w, float h) {
  return l < x && x < l + w && t < y && y < t + h;
}

}  // namespace

ReferenceModel::ReferenceModel(ModelSettings settings) : settings_(std::move(settings)) {
  hover.assign(static_cast<std::size_t>(settings_.items), false);
  double left = (7530.0 - (settings_.www_width + settings_.tel_width + 300.0)) / 2.0;
  double rounded = std::nearbyint(left);  // the default rounding mode: half to even
  footer_left_ = (rounded < -32768 || rounded > 32767) ? 0 : static_cast<float>(rounded);
}

std::string ReferenceModel::Text(int id) const {
  if (settings_.missing_texts.contains(id)) return {};
  return LoadText(
      BuiltInTextTable(settings_.traditional ? TextVariant::Traditional : TextVariant::Simplified),
      id);
}

ReferenceModel::Hit ReferenceModel::HitAt(float x, float y) const {
  for (int i = settings_.items - 1; i >= 0; --i) {
    if (HalfOpen(x, y, kMenuLeft, ButtonTop(i), kButtonWidth, kButtonHeight)) {
      return {y >= ButtonTop(i) + 150 ? Target::Caption : Target::Button, i};
    }
  }
  if (HalfOpen(x, y, kInfoLeft, info_top, kInfoWidth, kInfoHeight)) return {Target::Info};
  float tel_left = footer_left_ + settings_.www_width + 300;
  if (HalfOpen(x, y, tel_left, kFooterTop, settings_.tel_width, settings_.tel_height))
    return {Target::Tel};
  if (HalfOpen(x, y, footer_left_, kFooterTop, settings_.www_width, settings_.www_height))
    return {Target::Www};
  if (HalfOpen(x, y, 0, 0, 7530, 5805)) return {Target::Background};
  return {};
}

void ReferenceModel::Paint(int item) {
  selected = item;
  static constexpr int kDescriptions[] = {108, 109, 112, 110, 111};
  for (int d = 0; d < settings_.items; ++d) {
    hover[static_cast<std::size_t>(d)] = d == item;
    if (d == item) {
      if (item < 5) info_caption = Text(kDescriptions[item]);
      info_top = ButtonTop(item) + 150;
    }
  }
}

void ReferenceModel::Clear() {
  if (selected == kNoSelection) return;
  if (selected >= 0 && selected < settings_.items)
    hover[static_cast<std::size_t>(selected)] = false;
  info_caption.clear();
  info_top = kMenuTop;
  selected = kNoSelection;
}

void ReferenceModel::Run(int item) {
  static const std::string kFolder = "D:\\";
  switch (item) {
    case 4:
      calls.push_back("end");
      ended = true;
      return;
    case 1:
      calls.push_back("start explorer " + kFolder);
      if (settings_.fail_start) calls.push_back("message " + kFailure);
      return;
    case 2:
      calls.push_back(
          "open " + kFolder +
          "\\N5-企业管理软件(Full-Suite)产品手册\\N5-企业管理软件(Full-Suite)产品手册.pdf");
      return;
    case 3:
      calls.push_back(
          "open " + kFolder +
          "\\N5-企业管理软件(Full-Suite)安装说明\\N5-企业管理软件(Full-Suite)安装说明.pdf");
      return;
    default:
      calls.push_back("open " + kFolder + "\\集成安装程序\\setup.exe");
  }
}

void ReferenceModel::Help() {
  if (settings_.missing_texts.contains(113)) return;
  calls.push_back("open D:\\\\" + Text(113));
}

void ReferenceModel::Web() {
  calls.push_back(std::string("start C:\\Program Files\\Internet Explorer\\iexplore.exe ") + kUrl);
  if (!settings_.fail_start) return;
  calls.push_back(std::string("open ") + kUrl);
  if (settings_.fail_open) calls.push_back("message " + kFailure);
}

void ReferenceModel::Move(float x, float y) {
  if (unloaded || ended) return;
  Hit hit = HitAt(x, y);
  switch (hit.target) {
    case Target::Caption:
      Paint(hit.item);
      break;
    case Target::Www:
      underline = true;
      break;
    case Target::Background: {
      int inside = -1;
      for (int i = 0; i < settings_.items && inside < 0; ++i) {
        if (Strict(x, y, kMenuLeft, ButtonTop(i), kButtonWidth, kButtonHeight)) inside = i;
      }
      if (inside >= 0) {
        Paint(inside);
      } else {
        Clear();
      }
      underline = Strict(x, y, footer_left_, kFooterTop, settings_.www_width, settings_.www_height);
      break;
    }
    default:
      break;
  }
}

void ReferenceModel::Click(float x, float y) {
  if (unloaded || ended) return;
  Hit hit = HitAt(x, y);
  if (hit.target == Target::Caption) Run(hit.item);
  if (hit.target == Target::Www) Web();
}

void ReferenceModel::Key(std::int16_t code) {
  if (unloaded || ended) return;
  const int last = settings_.items - 1;
  switch (code) {
    case 38:
      Paint(selected == kNoSelection ? 0 : selected == 0 ? last : selected - 1);
      break;
    case 40:
      Paint(selected == kNoSelection || selected == last ? 0 : selected + 1);
      break;
    case 13:
      if (selected != kNoSelection) Run(selected);
      break;
    case 88:
    case 3:
    case 27:
      unloaded = true;
      break;
    case 112:
      Help();
      break;
    default:
      break;
  }
}

}  // namespace n5::fuzz

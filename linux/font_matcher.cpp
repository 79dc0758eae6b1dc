#include "linux/font_matcher.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace n5::linux_ui {
namespace {

// U+4E2D 中 and U+8F6F 软: a face with both has the Chinese characters.
constexpr FcChar32 kChineseSamples[] = {0x4E2D, 0x8F6F};

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

bool IsOneOf(std::string_view face, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    if (face == name) return true;
  }
  return false;
}

}  // namespace

FaceKind KindOfFace(std::string_view face) {
  if (IsOneOf(face, {"宋体", "新宋体", "SimSun", "NSimSun", "新細明體", "細明體", "PMingLiU",
                     "MingLiU", "宋體"})) {
    return FaceKind::Ming;
  }
  if (IsOneOf(face, {"黑体", "黑體", "SimHei", "微软雅黑", "Microsoft YaHei", "微軟正黑體",
                     "Microsoft JhengHei"})) {
    return FaceKind::Hei;
  }
  return FaceKind::Other;
}

std::vector<std::string> CandidateFamilies(FaceKind kind, std::string_view language) {
  bool traditional = language == "zh-tw" || language == "zh-hk" || language == "zh-mo";
  switch (kind) {
    case FaceKind::Ming:
      if (traditional)
        return {"AR PL UMing TW", "AR PL Mingti2L Big5", "Noto Serif CJK TC", "serif"};
      return {"AR PL UMing CN", "AR PL SungtiL GB", "Noto Serif CJK SC", "serif"};
    case FaceKind::Hei:
      if (traditional) return {"WenQuanYi Zen Hei", "Noto Sans CJK TC", "sans-serif"};
      return {"WenQuanYi Zen Hei", "Noto Sans CJK SC", "sans-serif"};
    case FaceKind::Other:
      break;
  }
  return {"sans-serif"};
}

std::optional<FontFile> MatchFont(std::string_view windows_face, bool bold,
                                  std::string_view language) {
  if (FcInit() == FcFalse) return std::nullopt;
  FaceKind kind = KindOfFace(windows_face);
  Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  for (const std::string& family : CandidateFamilies(kind, language)) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  if (kind != FaceKind::Other) {
    std::string lang(language);
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>(lang.c_str()));
  }
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
    return std::nullopt;
  }
  FontFile found;
  found.path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) {
    found.index = index & 0xFFFF;  // the upper half numbers instances of variable fonts
  }
  // Fontconfig's own rule (90-synthetic.conf) says when a face lacks the bold asked for;
  // without that rule, the weight of the face found tells.
  FcBool embolden = FcFalse;
  if (FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
    found.embolden = bold && embolden == FcTrue;
  } else {
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    found.embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
  }
  FcCharSet* characters = nullptr;
  if (FcPatternGetCharSet(match.get(), FC_CHARSET, 0, &characters) == FcResultMatch) {
    found.covers_chinese = true;
    for (FcChar32 c : kChineseSamples) {
      if (FcCharSetHasChar(characters, c) == FcFalse) found.covers_chinese = false;
    }
  }
  FcChar8* family = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch) {
    found.family = reinterpret_cast<const char*>(family);
  }
  return found;
}

}  // namespace n5::linux_ui

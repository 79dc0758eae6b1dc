#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finding, with fontconfig, the font file that stands in on Linux for a Windows face name.
namespace n5::linux_ui {

// The two kinds of Chinese face the launcher names, and everything else.
enum class FaceKind { Ming, Hei, Other };

// "宋体" and the other Ming (serif) faces Windows has; "黑体" and the other Hei (sans) ones.
FaceKind KindOfFace(std::string_view windows_face);

// The families to ask fontconfig for, best first, ending in the generic family. The generic
// one alone is not enough: this system's WenQuanYi configuration puts its Hei face first
// even for "serif" with a Chinese language, so the Ming faces are named before it.
std::vector<std::string> CandidateFamilies(FaceKind kind, std::string_view language);

struct FontFile {
  std::string path;
  int index = 0;          // the face within a collection (.ttc)
  bool embolden = false;  // bold was asked for and the face has none: synthesise it
  bool covers_chinese = false;
  std::string family;  // as fontconfig names it, for messages and tests
};

// The font for a Windows face in a language ("zh-cn", "zh-tw"), or nothing when fontconfig
// finds no font file at all. Chinese faces are looked for with the language in the pattern,
// which is what makes fontconfig choose a face that has the characters.
std::optional<FontFile> MatchFont(std::string_view windows_face, bool bold,
                                  std::string_view language);

}  // namespace n5::linux_ui

#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// A small model of the launcher window written straight from its state table and key table,
// independent of the core: where the menu items and the footer stand, which control a point
// reaches, and what each event does to the highlight, the description, the underline of the
// web address and the calls made to the system.
namespace n5::fuzz {

struct ModelSettings {
  int items = 5;
  bool fail_start = false;
  bool fail_open = false;
  bool traditional = false;
  std::set<int> missing_texts;
  // Footer label widths, as the text metrics give them.
  float www_width = 0, www_height = 0;
  float tel_width = 0, tel_height = 0;
};

class ReferenceModel {
 public:
  static constexpr int kNoSelection = 20;

  explicit ReferenceModel(ModelSettings settings);

  void Move(float x, float y);
  void Click(float x, float y);
  void Key(std::int16_t code);

  int selected = kNoSelection;
  std::vector<bool> hover;  // per button: the hover picture rather than the normal one
  std::string info_caption;
  float info_top = 1800;
  bool underline = false;
  bool unloaded = false;
  bool ended = false;
  std::vector<std::string> calls;

 private:
  enum class Target { Nothing, Caption, Button, Info, Tel, Www, Background };
  struct Hit {
    Target target = Target::Nothing;
    int item = -1;
  };
  Hit HitAt(float x, float y) const;
  std::string Text(int id) const;
  void Paint(int item);
  void Clear();
  void Run(int item);
  void Help();
  void Web();

  ModelSettings settings_;
  float footer_left_ = 0;
};

}  // namespace n5::fuzz

#include "tools/replay/state_dump.h"

#include <array>
#include <charconv>

namespace n5::replay {

std::string FormatNumber(float value) {
  std::array<char, 64> buffer{};
  auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (error != std::errc()) return "nan";
  return {buffer.data(), end};
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

std::string DumpState(frmSplash& form) {
  form::Window& window = form.window();
  std::string out = "frmSplash caption=" + Quote(window.caption()) +
                    " SelectedIndex=" + std::to_string(form.SelectedIndex) +
                    " width=" + FormatNumber(window.width()) +
                    " height=" + FormatNumber(window.height()) + "\n";
  for (const auto& control : window.controls()) {
    const form::Control& c = *control;
    const form::Font& f = c.font();
    const form::Color color = c.fore_color();
    out += c.DisplayName() + " left=" + FormatNumber(c.left()) + " top=" + FormatNumber(c.top()) +
           " width=" + FormatNumber(c.width()) + " height=" + FormatNumber(c.height()) +
           " visible=" + (c.visible() ? "1" : "0") + " caption=" + Quote(c.caption()) +
           " font=" + Quote(f.face) + " size=" + FormatNumber(f.size) +
           " bold=" + (f.bold ? "1" : "0") + " underline=" + (f.underline ? "1" : "0") +
           " color=" + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
           std::to_string(color.b) +
           " pointer=" + std::to_string(static_cast<int>(c.mouse_pointer())) +
           " picture=" + (c.picture() ? c.picture()->role : "none") + "\n";
  }
  for (std::size_t i = 0; i < form.ItemInfoText.size(); ++i) {
    out += "ItemInfoText(" + std::to_string(i) + ")=" + Quote(form.ItemInfoText[i]) + "\n";
  }
  return out;
}

}  // namespace n5::replay

#include "model/keys/KeyClass.h"

#include <array>

namespace torvane::model {

namespace {

constexpr std::array<std::string_view, 4> kKeyIcons{"keymap_none.png", "keymap_mouse.png", "keymap_keyboard.png",
                                                    "keymap_joystick.png"};
// "macor" is the name the skin archive carries.
constexpr std::array<std::string_view, 4> kMacroIcons{"", "macro_logo_mouse.png", "macro_logo_keyboard.png",
                                                      "macor_logo_controller.png"};

}  // namespace

std::string_view KeyClassIcon(int key_class) {
  if (key_class < 0 || key_class >= static_cast<int>(kKeyIcons.size())) return kKeyIcons[kKeyClassNone];
  return kKeyIcons[static_cast<std::size_t>(key_class)];
}

std::string_view MacroIcon(int key_class) {
  if (key_class < 0 || key_class >= static_cast<int>(kMacroIcons.size())) return {};
  return kMacroIcons[static_cast<std::size_t>(key_class)];
}

}  // namespace torvane::model

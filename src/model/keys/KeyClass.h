#pragma once

#include <cstdint>
#include <string_view>

namespace torvane::model {

// Classes of key codes; each has its own icon on key buttons and in the macro list.
inline constexpr int kKeyClassNone = 0;
inline constexpr int kKeyClassMouse = 1;
inline constexpr int kKeyClassKeyboard = 2;
inline constexpr int kKeyClassController = 3;

// Codes 116..127 have names but class 0: the adapter does not send them.
constexpr int KeyClass(std::uint8_t code) {
  if (code >= 173 && code <= 192) return kKeyClassMouse;
  if (code >= 193 && code <= 252) return kKeyClassController;
  if ((code >= 4 && code <= 115) || (code >= 165 && code <= 172)) return kKeyClassKeyboard;
  return kKeyClassNone;
}

// Image of a key button; an unknown class shows as class 0.
std::string_view KeyClassIcon(int key_class);
// Image of a macro's hotkey in the macro list; empty for class 0 or an unknown class.
std::string_view MacroIcon(int key_class);

}  // namespace torvane::model

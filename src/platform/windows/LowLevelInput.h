#pragma once

#include <bitset>
#include <cstdint>
#include <optional>

#include "platform/InputCapture.h"

namespace torvane::platform {

// The key code of a Windows key event: its virtual key, adjusted by the extended-key flag so the keypad with NumLock
// off gives keypad keys and the keypad Enter its own code, and with the generic modifiers (VK_SHIFT, VK_CONTROL,
// VK_MENU, as window messages carry them) told apart by side. `scan_code` is the event's scan code without the
// extended bit; 0 for keys the adapter has no code for.
std::uint8_t KeyCodeOfKeyEvent(std::uint32_t virtual_key, std::uint32_t scan_code, bool extended);

// Turns what the low-level keyboard and mouse hooks see during a capture into captured keys. A key or button counts
// when it is released, and only if it was pressed during the capture; a wheel turn counts at once.
class LowLevelInput {
 public:
  struct Key {
    InputCapture::Source source;
    std::uint8_t code;
  };

  // A keyboard hook event: its message (WM_KEYDOWN, WM_SYSKEYUP, ...) and the KBDLLHOOKSTRUCT's fields.
  std::optional<Key> OnKeyboard(std::uint32_t message, std::uint32_t virtual_key, std::uint32_t scan_code,
                                bool extended);
  // A mouse hook event: its message (WM_LBUTTONDOWN, WM_MOUSEWHEEL, ...) and the MSLLHOOKSTRUCT's mouseData.
  std::optional<Key> OnMouse(std::uint32_t message, std::uint32_t mouse_data);

 private:
  std::bitset<256> pressed_keys_;    // by virtual key
  std::bitset<32> pressed_buttons_;  // by key code - kFirstButton
};

}  // namespace torvane::platform

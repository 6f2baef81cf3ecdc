#include "platform/windows/LowLevelInput.h"

#include "model/keys/VirtualKeyTable.h"

namespace torvane::platform {

namespace {

// The window messages and virtual keys the hooks report, spelled out so this file needs no system header.
constexpr std::uint32_t kKeyDown = 0x0100, kKeyUp = 0x0101, kSysKeyDown = 0x0104, kSysKeyUp = 0x0105;
constexpr std::uint32_t kLeftDown = 0x0201, kLeftUp = 0x0202, kRightDown = 0x0204, kRightUp = 0x0205;
constexpr std::uint32_t kMiddleDown = 0x0207, kMiddleUp = 0x0208, kWheel = 0x020A, kExtraDown = 0x020B;
constexpr std::uint32_t kExtraUp = 0x020C, kHorizontalWheel = 0x020E;

constexpr std::uint32_t kShift = 0x10, kControl = 0x11, kMenu = 0x12;
constexpr std::uint32_t kLeftShift = 0xA0, kRightShift = 0xA1, kLeftControl = 0xA2, kRightControl = 0xA3;
constexpr std::uint32_t kLeftMenu = 0xA4, kRightMenu = 0xA5;
constexpr std::uint32_t kReturn = 0x0D, kKeypadEnter = 0x5F;
constexpr std::uint32_t kRightShiftScanCode = 0x36;

constexpr std::uint8_t kLeftButton = 173, kRightButton = 174, kMiddleButton = 175;
constexpr std::uint8_t kFirstButton = kLeftButton;
constexpr std::uint32_t kExtraButtons = 13;
constexpr std::uint8_t kScrollUp = 189, kScrollDown = 190, kScrollLeft = 191, kScrollRight = 192;

// The keypad's keys with NumLock off arrive as the navigation keys, told apart only by the missing extended flag.
std::uint32_t KeypadKey(std::uint32_t virtual_key) {
  switch (virtual_key) {
    case 0x0C:
      return 0x65;  // VK_CLEAR → VK_NUMPAD5
    case 0x21:
      return 0x69;  // VK_PRIOR → VK_NUMPAD9
    case 0x22:
      return 0x63;  // VK_NEXT → VK_NUMPAD3
    case 0x23:
      return 0x61;  // VK_END → VK_NUMPAD1
    case 0x24:
      return 0x67;  // VK_HOME → VK_NUMPAD7
    case 0x25:
      return 0x64;  // VK_LEFT → VK_NUMPAD4
    case 0x26:
      return 0x68;  // VK_UP → VK_NUMPAD8
    case 0x27:
      return 0x66;  // VK_RIGHT → VK_NUMPAD6
    case 0x28:
      return 0x62;  // VK_DOWN → VK_NUMPAD2
    case 0x2D:
      return 0x60;  // VK_INSERT → VK_NUMPAD0
    case 0x2E:
      return 0x6E;  // VK_DELETE → VK_DECIMAL
    default:
      return virtual_key;
  }
}

std::uint32_t AdjustedKey(std::uint32_t virtual_key, std::uint32_t scan_code, bool extended) {
  switch (virtual_key) {
    case kShift:
      return scan_code == kRightShiftScanCode ? kRightShift : kLeftShift;
    case kControl:
      return extended ? kRightControl : kLeftControl;
    case kMenu:
      return extended ? kRightMenu : kLeftMenu;
    case kReturn:
      return extended ? kKeypadEnter : kReturn;
    default:
      return extended ? virtual_key : KeypadKey(virtual_key);
  }
}

std::int16_t WheelTurn(std::uint32_t mouse_data) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(mouse_data >> 16));
}

}  // namespace

std::uint8_t KeyCodeOfKeyEvent(std::uint32_t virtual_key, std::uint32_t scan_code, bool extended) {
  const std::uint32_t key = AdjustedKey(virtual_key, scan_code, extended);
  return key < 256 ? model::KeyCodeFromVirtualKey(static_cast<std::uint8_t>(key)) : 0;
}

std::optional<LowLevelInput::Key> LowLevelInput::OnKeyboard(std::uint32_t message, std::uint32_t virtual_key,
                                                            std::uint32_t scan_code, bool extended) {
  const std::uint8_t code = KeyCodeOfKeyEvent(virtual_key, scan_code, extended);
  if (code == 0) return std::nullopt;
  // By code: the keypad 7 and Home are one virtual key told apart by the flag.
  if (message == kKeyDown || message == kSysKeyDown) {
    pressed_keys_.set(code);
    return std::nullopt;
  }
  // With Alt held the release comes as WM_SYSKEYUP, F10 always: both count, or those keys could never be captured.
  if ((message != kKeyUp && message != kSysKeyUp) || !pressed_keys_.test(code)) return std::nullopt;
  pressed_keys_.reset(code);
  return Key{InputCapture::kKeyboard, code};
}

std::optional<LowLevelInput::Key> LowLevelInput::OnMouse(std::uint32_t message, std::uint32_t mouse_data) {
  std::uint8_t button = 0;
  bool released = false;
  switch (message) {
    case kLeftDown:
      button = kLeftButton;
      break;
    case kLeftUp:
      button = kLeftButton, released = true;
      break;
    case kRightDown:
      button = kRightButton;
      break;
    case kRightUp:
      button = kRightButton, released = true;
      break;
    case kMiddleDown:
      button = kMiddleButton;
      break;
    case kMiddleUp:
      button = kMiddleButton, released = true;
      break;
    case kExtraDown:
    case kExtraUp: {
      const std::uint32_t n = mouse_data >> 16;
      if (n < 1 || n > kExtraButtons) return std::nullopt;
      button = static_cast<std::uint8_t>(kMiddleButton + n);
      released = message == kExtraUp;
      break;
    }
    case kWheel:
    case kHorizontalWheel: {
      const std::int16_t turn = WheelTurn(mouse_data);
      if (turn == 0) return std::nullopt;
      if (message == kWheel) return Key{InputCapture::kMouse, turn > 0 ? kScrollUp : kScrollDown};
      return Key{InputCapture::kMouse, turn > 0 ? kScrollLeft : kScrollRight};
    }
    default:
      return std::nullopt;  // moves
  }
  const std::size_t bit = button - kFirstButton;
  if (!released) {
    pressed_buttons_.set(bit);
    return std::nullopt;
  }
  if (!pressed_buttons_.test(bit)) return std::nullopt;
  pressed_buttons_.reset(bit);
  return Key{InputCapture::kMouse, button};
}

}  // namespace torvane::platform

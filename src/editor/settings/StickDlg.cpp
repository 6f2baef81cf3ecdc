#include "editor/settings/StickDlg.h"

#include <algorithm>
#include <utility>

#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "editor/KeyMapping.h"
#include "model/keys/ControllerButton.h"
#include "model/params/IntegerField.h"
#include "toolkit/CEditUI.h"

namespace torvane::editor {

struct StickDlg::Side {
  const char16_t* window_class;
  const char16_t* layout;
  const char16_t* title;
  // The four directions (up, down, left, right), then the press.
  std::array<std::pair<std::size_t, const char16_t*>, 5> buttons;
  std::uint8_t model::ConfigRecord::*strength;
  std::uint8_t model::ConfigRecord::*hotkey;
};

namespace {

const StickDlg::Side kLeftStick{u"LeftStickDlg",
                                u"left_stick_dlg.xml",
                                u"Left Stick Settings",
                                {{{model::kButtonLsUp, u"btnPlayKey_LeftStickUp"},
                                  {model::kButtonLsDown, u"btnPlayKey_LeftStickDown"},
                                  {model::kButtonLsLeft, u"btnPlayKey_LeftStickLeft"},
                                  {model::kButtonLsRight, u"btnPlayKey_LeftStickRight"},
                                  {model::kButtonL3, u"btnPlayKey_L3"}}},
                                &model::ConfigRecord::left_stick_strength,
                                &model::ConfigRecord::left_stick_hotkey};

const StickDlg::Side kRightStick{u"RightStickDlg",
                                 u"right_stick_dlg.xml",
                                 u"Right Stick Settings",
                                 {{{model::kButtonRsUp, u"btnPlayKey_RightStickUp"},
                                   {model::kButtonRsDown, u"btnPlayKey_RightStickDown"},
                                   {model::kButtonRsLeft, u"btnPlayKey_RightStickLeft"},
                                   {model::kButtonRsRight, u"btnPlayKey_RightStickRight"},
                                   {model::kButtonR3, u"btnPlayKey_R3"}}},
                                 &model::ConfigRecord::right_stick_strength,
                                 &model::ConfigRecord::right_stick_hotkey};

constexpr char16_t kStrengthEdit[] = u"editStickStrength";
constexpr char16_t kHotkeyButton[] = u"btnStickHotKey";

}  // namespace

int StickDlg::Run(StickSide side, EditorHost& host, KeyMapping& keys, model::ConfigRecord& record) {
  StickDlg dialog(side, keys, record);
  return dialog.RunModal(&host.Window(), QString::fromUtf16(dialog.side_.title));
}

StickDlg::StickDlg(StickSide side, KeyMapping& keys, model::ConfigRecord& record)
    : SettingsDialog(keys, record), side_(side == StickSide::kLeft ? kLeftStick : kRightStick), lease_(keys) {}

QString StickDlg::GetWindowClassName() const {
  return QString::fromUtf16(side_.window_class);
}

QString StickDlg::GetSkinFile() const {
  return QString::fromUtf16(side_.layout);
}

std::uint8_t& StickDlg::Hotkey() {
  return Working().*(side_.hotkey);
}

std::uint8_t& StickDlg::Strength() {
  return Working().*(side_.strength);
}

void StickDlg::InitWindow() {
  const auto& group = Working().mapping[static_cast<std::size_t>(Keys().mapping_group())];
  for (const auto& [slot, name] : side_.buttons) {
    toolkit::CControlUI* button = FindControl(name);
    lease_.Put(slot, button);
    if (button != nullptr) ShowKey(*button, group[slot]);
  }
  strength_ = FindControl<toolkit::CEditUI>(kStrengthEdit);
  hotkey_ = FindControl(kHotkeyButton);
  SetEditText(strength_, model::FormatInteger(ShownStrength()));
  ShowField(hotkey_, Hotkey());
}

int StickDlg::ShownStrength() const {
  const model::IntRange range = model::kStickStrengthRange;
  return std::clamp(int{WorkingCopy().*(side_.strength)}, range.min, range.max);
}

int StickDlg::NormaliseStrength() {
  const int value = model::ParseInteger(EditText(strength_), model::kStickStrengthRange).value_or(ShownStrength());
  SetEditText(strength_, model::FormatInteger(value));
  return value;
}

void StickDlg::ClearSlot(toolkit::CControlUI* sender) {
  const std::size_t used = WorkingCopy().used_buttons();
  for (const auto& entry : side_.buttons) {
    const std::size_t slot = entry.first;
    if (slot >= used || Keys().Slot(slot) != sender) continue;
    Working().mapping[static_cast<std::size_t>(Keys().mapping_group())][slot] = 0;
    ShowKey(*sender, 0);
    return;
  }
}

void StickDlg::Notify(toolkit::TNotifyUI& msg) {
  const bool click = msg.Is(toolkit::notify::kClick);
  const bool rclick = msg.Is(toolkit::notify::kRightClick);
  if (msg.Is(toolkit::notify::kKillFocus) && msg.sender_name == kStrengthEdit) {
    NormaliseStrength();
  } else if (click && msg.sender_name == u"btnOk") {
    // The range is checked here too: the field may still have the focus with a number never normalised.
    Strength() = static_cast<std::uint8_t>(NormaliseStrength());
    msg.handled = true;
    Accept();
  } else if (click && msg.sender_name == u"closebtn") {
    msg.handled = true;
    Close(kClosed);
  } else if ((click || rclick) && msg.sender_name == kHotkeyButton) {
    if (click) {
      CaptureField(hotkey_, Hotkey());
    } else {
      ClearField(hotkey_, Hotkey());
    }
  } else if ((click || rclick) && msg.sender != nullptr && msg.sender_user_data == kControllerMapKey) {
    if (click) {
      Keys().CaptureMappedKey(msg.sender, Working(), *this);
    } else {
      ClearSlot(msg.sender);
    }
  }
}

}  // namespace torvane::editor

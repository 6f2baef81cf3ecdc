#include "editor/KeyMapping.h"

#include "editor/CKeyMapDlg.h"
#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "model/ConfigRecord.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "toolkit/CControlUI.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

namespace {

// The main window's key buttons by controller button number; the stick and touch pad dialogs own the others.
struct MainSlot {
  std::size_t slot;
  const char16_t* button;
};
constexpr MainSlot kMainSlots[] = {
    {0, u"btnPlayKey_L1"},
    {1, u"btnPlayKey_L2"},
    {3, u"btnPlayKey_R1"},
    {4, u"btnPlayKey_R2"},
    {6, u"btnPlayKey_DpadUp"},
    {7, u"btnPlayKey_DpadDown"},
    {8, u"btnPlayKey_DpadLeft"},
    {9, u"btnPlayKey_DpadRight"},
    {10, u"btnPlayKey_Start_Options_Menu"},
    {11, u"btnPlayKey_Share_Back_View_Select"},
    {12, u"btnPlayKey_LOGO"},
    {14, u"btnPlayKey_Y_Triange"},
    {15, u"btnPlayKey_A_Cross"},
    {16, u"btnPlayKey_X_Square"},
    {17, u"btnPlayKey_B_Cricle"},
};
constexpr std::size_t kTouchSlot = 13;
constexpr char16_t kCaptureButton[] = u"btnPlayKey_Capture";
constexpr char16_t kHotKeyButton[] = u"btnHotMapKey";

bool IsKeyButton(const toolkit::TNotifyUI& msg) {
  return msg.sender != nullptr && msg.sender->GetUserData() == kControllerMapKey;
}

}  // namespace

KeyMapping::KeyMapping(EditorHost& host) : host_(host) {}

void KeyMapping::InitMainButtons(toolkit::WindowImplBase& window) {
  if (main_buttons_found_) return;
  main_buttons_found_ = true;
  for (const MainSlot& entry : kMainSlots) slots_[entry.slot] = window.FindControl(entry.button);
}

void KeyMapping::SetSlot(std::size_t slot, toolkit::CControlUI* button) {
  if (slot < kSlots) slots_[slot] = button;
}

toolkit::CControlUI* KeyMapping::Slot(std::size_t slot) const {
  return slot < kSlots ? slots_[slot] : nullptr;
}

void KeyMapping::ShowHost(int host) {
  if (host == model::kHostSwitch) slots_[kTouchSlot] = host_.Window().FindControl(kCaptureButton);
}

void KeyMapping::RefreshKeyButtons(const model::ConfigRecord& record) {
  const auto& group = record.mapping[static_cast<std::size_t>(mapping_group_)];
  const std::size_t used = record.used_buttons();
  for (std::size_t i = 0; i < used; ++i) {
    if (slots_[i] != nullptr) ShowKey(*slots_[i], group[i]);
  }
}

void KeyMapping::SwitchMappingGroup(const model::ConfigRecord& record) {
  mapping_group_ = 1 - mapping_group_;
  RefreshKeyButtons(record);
}

bool KeyMapping::Notify(toolkit::TNotifyUI& msg, model::ConfigRecord* record) {
  const bool click = msg.Is(toolkit::notify::kClick);
  const bool rclick = msg.Is(toolkit::notify::kRightClick);
  if (!click && !rclick) return false;
  toolkit::WindowImplBase& window = host_.Window();
  if (IsKeyButton(msg)) {
    if (record == nullptr) return true;
    if (click) {
      CaptureMappedKey(msg.sender, *record, window);
    } else {
      const std::size_t used = record->used_buttons();
      for (std::size_t i = 0; i < used; ++i) {
        if (slots_[i] != msg.sender) continue;
        record->mapping[static_cast<std::size_t>(mapping_group_)][i] = 0;
        ShowKey(*msg.sender, 0);
        break;
      }
    }
    host_.RefreshSaveButton();
    return true;
  }
  if (msg.sender_name == kHotKeyButton) {
    if (record == nullptr) return true;
    if (rclick) {
      record->hotkey = 0;
      ShowKey(*msg.sender, 0);
    } else {
      ChangeHotkey(msg.sender, *record);
    }
    host_.RefreshSaveButton();
    return true;
  }
  return false;
}

void KeyMapping::ChangeHotkey(toolkit::CControlUI* button, model::ConfigRecord& record) {
  toolkit::WindowImplBase& window = host_.Window();
  const CapturedKey captured = host_.CaptureKey(window);
  if (captured.result != CKeyMapDlg::kCaptured || captured.key == record.hotkey) return;
  if (model::ConfigHotkeyConflict(host_.Image(), record.host_type(), captured.key) && !ConfirmTakenKey(window)) return;
  record.hotkey = captured.key;
  ShowKey(*button, captured.key);
}

void KeyMapping::CaptureMappedKey(toolkit::CControlUI* sender, model::ConfigRecord& record,
                                  toolkit::WindowImplBase& owner) {
  const std::size_t used = record.used_buttons();
  std::size_t slot = 0;
  while (slot < used && (slots_[slot] == nullptr || slots_[slot] != sender)) ++slot;
  if (slot == used) return;
  const CapturedKey captured = host_.CaptureKey(owner);
  if (captured.result != CKeyMapDlg::kCaptured) return;
  std::uint8_t& entry = record.mapping[static_cast<std::size_t>(mapping_group_)][slot];
  if (captured.key == entry) return;
  if (model::MappedKeyConflict(host_.Image(), record, captured.key) && !ConfirmTakenKey(owner)) return;
  entry = captured.key;
  ShowKey(*sender, captured.key);
}

void KeyMapping::CaptureKeyField(toolkit::WindowImplBase& owner, toolkit::CControlUI* button, std::uint8_t& field,
                                 model::ConfigRecord& record) {
  const CapturedKey captured = host_.CaptureKey(owner);
  if (captured.result != CKeyMapDlg::kCaptured || captured.key == field) return;
  if (model::MappedKeyConflict(host_.Image(), record, captured.key) && !ConfirmTakenKey(owner)) return;
  field = captured.key;
  if (button != nullptr) ShowKey(*button, captured.key);
}

}  // namespace torvane::editor

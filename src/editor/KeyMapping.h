#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::toolkit {
class CControlUI;
class WindowImplBase;
struct TNotifyUI;
}  // namespace torvane::toolkit

namespace torvane::editor {

class EditorHost;

// The key assignments of a configuration: the program-wide table of key buttons by controller button number, the
// mapping group they show, the capture of a key for a button or a single-key field with the occupied-key
// questions, and right-click clearing.
class KeyMapping {
 public:
  static constexpr std::size_t kSlots = 100;

  explicit KeyMapping(EditorHost& host);

  // Fills the main window's slots once (the Switch's capture button goes in with ShowHost).
  void InitMainButtons(toolkit::WindowImplBase& window);
  // The settings dialogs put their buttons in while they are open; nullptr empties a slot.
  void SetSlot(std::size_t slot, toolkit::CControlUI* button);
  toolkit::CControlUI* Slot(std::size_t slot) const;
  // Slot 13 is the Switch's capture button while the console shown is the Switch.
  void ShowHost(int host);

  // The editing page's notifications about keys (key buttons, the configuration hot key, the group switch) for
  // `record`, the configuration shown; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg, model::ConfigRecord* record);

  // Shows the assignments of the current mapping group on the key buttons.
  void RefreshKeyButtons(const model::ConfigRecord& record);
  // Captures a key for the key button `sender` of `record`, with the dialog over `owner`.
  void CaptureMappedKey(toolkit::CControlUI* sender, model::ConfigRecord& record, toolkit::WindowImplBase& owner);
  // Captures a key for one single-key `field` of `record`, shown on `button`.
  void CaptureKeyField(toolkit::WindowImplBase& owner, toolkit::CControlUI* button, std::uint8_t& field,
                       model::ConfigRecord& record);

  int mapping_group() const { return mapping_group_; }
  void SwitchMappingGroup(const model::ConfigRecord& record);

 private:
  // Captures the configuration's hot key for `record`, shown on `button`.
  void ChangeHotkey(toolkit::CControlUI* button, model::ConfigRecord& record);

  EditorHost& host_;
  std::array<toolkit::CControlUI*, kSlots> slots_{};
  int mapping_group_ = 0;
  bool main_buttons_found_ = false;
};

}  // namespace torvane::editor

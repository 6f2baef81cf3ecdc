#pragma once

#include <cstdint>

#include "editor/settings/SettingsDialog.h"

namespace torvane::editor {

class EditorHost;

// The advanced mouse values of a configuration: vertical-to-horizontal ratios and minimum speeds for hip fire and
// aiming, the ADS delay, the left stick X axis on the mouse, and the turning assistant's key and load behaviour.
class MouseAdvancedDlg : public SettingsDialog {
 public:
  static constexpr int kClosed = 2;

  // Runs the dialog over the main window; the modal result (1 after Ok or Escape, 2 after the close button).
  static int Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record);

  MouseAdvancedDlg(KeyMapping& keys, model::ConfigRecord& record);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

 private:
  struct Shown {
    std::uint16_t hip_ratio;
    std::uint16_t ads_ratio;
    std::int16_t hip_min_speed;
    std::int16_t ads_min_speed;
    std::uint16_t ads_delay;
  };
  struct Edits {
    toolkit::CEditUI* hip_ratio = nullptr;
    toolkit::CEditUI* ads_ratio = nullptr;
    toolkit::CEditUI* hip_min_speed = nullptr;
    toolkit::CEditUI* ads_min_speed = nullptr;
    toolkit::CEditUI* ads_delay = nullptr;
  };

  // Puts the field's text in its display format and returns its value: the typed number when it is inside the
  // field's range, else the value shown when the dialog opened.
  std::uint16_t NormaliseRatio(toolkit::CEditUI* edit, std::uint16_t shown);
  std::int16_t NormaliseMinSpeed(toolkit::CEditUI* edit, std::int16_t shown);
  std::uint16_t NormaliseDelay();
  // Normalises the field that sent a "killfocus"; false for other senders.
  bool Normalise(const toolkit::CControlUI* sender);
  void Store();

  Shown shown_{};
  Edits edits_;
  toolkit::CComboUI* turn_assist_ = nullptr;
  toolkit::CControlUI* turn_assist_key_ = nullptr;
  toolkit::CControlUI* map_to_mouse_ = nullptr;
};

}  // namespace torvane::editor

#pragma once

#include "editor/settings/SettingsDialog.h"

namespace torvane::toolkit {
class COptionUI;
}

namespace torvane::editor {

class EditorHost;

// The remaining switches of a configuration: indications, mouse inversion, N:1 mapping, ADS toggle, the ADS button
// and deadzone shape of the custom game, the hot key's load behaviour, the USB report rate of the one game that
// has it, and the key that swaps the sticks.
class CMoreSettingsDlg : public SettingsDialog {
 public:
  // The catalogue entries with rows of their own.
  static constexpr int kCustomGameId = 18;
  static constexpr int kReportRateGameId = 83;

  // Runs the dialog over the main window; the modal result (1 after Ok, Escape or the close button).
  static int Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record);

  CMoreSettingsDlg(KeyMapping& keys, model::ConfigRecord& record);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

 private:
  void Store();
  bool ShowsReportRate() const;

  toolkit::CComboUI* ads_key_ = nullptr;
  toolkit::CComboUI* deadzone_ = nullptr;
  toolkit::CComboUI* load_behaviour_ = nullptr;
  toolkit::CComboUI* report_rate_ = nullptr;
  toolkit::CControlUI* swap_key_ = nullptr;
};

}  // namespace torvane::editor

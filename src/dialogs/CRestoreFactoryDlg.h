#pragma once

#include "toolkit/WindowImplBase.h"

namespace torvane::dialogs {

// The choice behind the adapter page's upgrade button: write the carried firmware, or put the configuration back
// to the factory state. The choice is 2 for the firmware, 1 for the configuration, 0 when the dialog was closed.
class CRestoreFactoryDlg : public toolkit::WindowImplBase {
 public:
  static constexpr int kChoiceClosed = 0;
  static constexpr int kChoiceRestoreConfiguration = 1;
  static constexpr int kChoiceUpgradeFirmware = 2;

  // Runs the dialog modally over `owner` and returns the choice.
  static int Run(QWidget* owner);

  CRestoreFactoryDlg() = default;

  int GetChoice() const { return choice_; }

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void Notify(toolkit::TNotifyUI& msg) override;

 private:
  int choice_ = kChoiceClosed;
};

}  // namespace torvane::dialogs

#pragma once

#include "device/DeviceFailure.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::dialogs {

class CMyProgressUI;

// What the progress dialog runs behind; each shows its own title.
enum ProgressMode : int {
  kProgressSave = 1,
  kProgressRestoreConfiguration = 2,
  kProgressUpgradeFirmware = 3,
  kProgressRestoreAll = 4,  // firmware and configuration
};

// The dialog every write to the adapter runs behind. The caller sets the mode (a ProgressMode), creates it, hands
// Ref() to the device worker as the window to report to, and runs it modally. The worker's MSG_PROGRESS moves the bar
// and, at 100 or more, closes the dialog with 6; MSG_DEVICE_FAILED closes it with 7. Nothing else closes it: it has no
// close button, and Escape and the system close command are refused, so the player cannot edit while the worker still
// writes.
class CProgressDlg : public toolkit::WindowImplBase {
 public:
  CProgressDlg() = default;

  void SetMode(int mode) { mode_ = mode; }
  int GetMode() const { return mode_; }
  CMyProgressUI* GetProgressBar() const { return bar_; }
  // How the write failed, when MSG_DEVICE_FAILED closed the dialog.
  const device::DeviceFailure& failure() const { return failure_; }

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  toolkit::CControlUI* CreateControl(const QString& element_name) override;
  bool HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                           const std::any& payload) override;
  bool MessageFilter(QKeyEvent* event) override;
  bool OnClose(int code) override;

  // The title each mode shows; empty for other modes.
  static QString TitleForMode(int mode);

 private:
  void Finish(int code);

  int mode_ = 0;
  toolkit::CControlUI* title_ = nullptr;
  toolkit::CControlUI* content_ = nullptr;
  CMyProgressUI* bar_ = nullptr;
  bool finishing_ = false;
  bool finished_ = false;
  device::DeviceFailure failure_;
};

}  // namespace torvane::dialogs

#pragma once

#include "toolkit/WindowImplBase.h"

namespace torvane::toolkit {
class CControlUI;
}

namespace torvane::dialogs {

// The program's message box: a title, a centred text and the button row of its style ("MB_OK", "MB_OKCANCEL",
// "MB_YESNOCANCEL", "MB_YESNO"; any other style shows no row). A click on "OkBtn" closes with 1, "CancelBtn" and
// the title's "CloseBtn" with 2, "YesBtn" with 6, "NoBtn" with 7. Escape closes with 1; Enter does nothing.
class CMessageBoxDlg : public toolkit::WindowImplBase {
 public:
  explicit CMessageBoxDlg(int style);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  int GetStyle() const { return style_; }
  void SetTitle(const QString& title);
  void SetText(const QString& text);

 private:
  int style_;
  toolkit::CControlUI* title_ = nullptr;
  toolkit::CControlUI* close_ = nullptr;
  toolkit::CControlUI* content_ = nullptr;
};

}  // namespace torvane::dialogs

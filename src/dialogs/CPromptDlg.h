#pragma once

#include "dialogs/CMessageBoxDlg.h"

namespace torvane::dialogs {

// The taller message box for a game's recommended in-game settings: a content title above a left-aligned text,
// with one "Ok" button.
class CPromptDlg : public CMessageBoxDlg {
 public:
  CPromptDlg();

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;

  void SetContentTitle(const QString& title);

 private:
  toolkit::CControlUI* content_title_ = nullptr;
};

}  // namespace torvane::dialogs

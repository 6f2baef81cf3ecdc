#include "dialogs/CPromptDlg.h"

#include "dialogs/MessageBoxCodes.h"

namespace torvane::dialogs {

CPromptDlg::CPromptDlg() : CMessageBoxDlg(kMbOk) {}

QString CPromptDlg::GetWindowClassName() const {
  return QStringLiteral("PromptDlg");
}

QString CPromptDlg::GetSkinFile() const {
  return QStringLiteral("prompt_dlg.xml");
}

void CPromptDlg::InitWindow() {
  CMessageBoxDlg::InitWindow();
  content_title_ = FindControl(u"ContentTitle");
}

void CPromptDlg::SetContentTitle(const QString& title) {
  if (content_title_) content_title_->SetText(title);
}

}  // namespace torvane::dialogs

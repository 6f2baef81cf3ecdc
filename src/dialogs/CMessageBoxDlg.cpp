#include "dialogs/CMessageBoxDlg.h"

#include "dialogs/MessageBoxCodes.h"

namespace torvane::dialogs {

namespace {

struct ButtonRow {
  const char16_t* name;
  int style;
};
constexpr ButtonRow kRows[] = {
    {u"MB_OK", kMbOk}, {u"MB_OKCANCEL", kMbOkCancel}, {u"MB_YESNOCANCEL", kMbYesNoCancel}, {u"MB_YESNO", kMbYesNo}};

struct ButtonResult {
  const char16_t* name;
  int result;
};
constexpr ButtonResult kResults[] = {
    {u"CloseBtn", kIdCancel}, {u"YesBtn", kIdYes}, {u"NoBtn", kIdNo}, {u"OkBtn", kIdOk}, {u"CancelBtn", kIdCancel}};

}  // namespace

CMessageBoxDlg::CMessageBoxDlg(int style) : style_(style) {}

QString CMessageBoxDlg::GetWindowClassName() const {
  return QStringLiteral("MessageBoxDlg");
}

QString CMessageBoxDlg::GetSkinFile() const {
  return QStringLiteral("message_box_dlg.xml");
}

void CMessageBoxDlg::InitWindow() {
  SetEnterActivatesFocus(false);
  title_ = FindControl(u"TitleLabel");
  close_ = FindControl(u"CloseBtn");
  content_ = FindControl(u"ContentText");
  for (const ButtonRow& row : kRows) ShowControl(row.name, row.style == style_);
}

void CMessageBoxDlg::SetTitle(const QString& title) {
  if (title_) title_->SetText(title);
}

void CMessageBoxDlg::SetText(const QString& text) {
  if (content_) content_->SetText(text);
}

void CMessageBoxDlg::Notify(toolkit::TNotifyUI& msg) {
  if (!msg.Is(toolkit::notify::kClick)) return;
  msg.handled = true;
  for (const ButtonResult& button : kResults) {
    if (msg.sender_name == QStringView(button.name)) {
      Close(button.result);
      return;
    }
  }
}

}  // namespace torvane::dialogs

#include "dialogs/MessageBoxes.h"

#include "dialogs/CMessageBoxDlg.h"
#include "dialogs/CPromptDlg.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"

#include <QtGlobal>

namespace torvane::dialogs {

int ShowMessageBox(const QString& title, QWidget* owner, const QString& text, int style) {
  if (const auto answer = MessageBoxAnswers::TakeAnswer({false, title, text, style})) return *answer;
  CMessageBoxDlg dialog(style);
  if (!dialog.Create(owner, QStringLiteral("MessageBoxDlg"))) {
    qWarning("message box \"%s\" not shown: %s", qUtf8Printable(title), qUtf8Printable(dialog.GetBuildError()));
    return toolkit::WindowImplBase::kSystemCloseCode;
  }
  if (!title.isNull()) dialog.SetTitle(title);
  if (!text.isNull()) dialog.SetText(text);
  return dialog.ShowModal();
}

int ShowPromptBox(const QString& content_title, QWidget* owner, const QString& text) {
  if (const auto answer = MessageBoxAnswers::TakeAnswer({true, content_title, text, kMbOk})) return *answer;
  CPromptDlg dialog;
  if (!dialog.Create(owner, QStringLiteral("MyPromptBox"))) {
    qWarning("prompt \"%s\" not shown: %s", qUtf8Printable(content_title), qUtf8Printable(dialog.GetBuildError()));
    return toolkit::WindowImplBase::kSystemCloseCode;
  }
  dialog.SetTitle(QStringLiteral("Notification"));
  if (!content_title.isNull()) dialog.SetContentTitle(content_title);
  if (!text.isNull()) dialog.SetText(text);
  return dialog.ShowModal();
}

}  // namespace torvane::dialogs

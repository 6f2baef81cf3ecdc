#include "dialogs/CRestoreFactoryDlg.h"

namespace torvane::dialogs {

int CRestoreFactoryDlg::Run(QWidget* owner) {
  CRestoreFactoryDlg dialog;
  if (!dialog.Create(owner, QStringLiteral("Upgrade"))) {
    qWarning("upgrade choice not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return kChoiceClosed;
  }
  dialog.ShowModal();
  return dialog.GetChoice();
}

QString CRestoreFactoryDlg::GetWindowClassName() const {
  return QStringLiteral("RestoreFactoryDlg");
}

QString CRestoreFactoryDlg::GetSkinFile() const {
  return QStringLiteral("restore_factory_dlg.xml");
}

void CRestoreFactoryDlg::Notify(toolkit::TNotifyUI& msg) {
  if (!msg.Is(toolkit::notify::kClick)) return;
  if (msg.sender_name == u"btnUpgradeFirmware") {
    choice_ = kChoiceUpgradeFirmware;
  } else if (msg.sender_name == u"btnRestoreFactoryConfig") {
    choice_ = kChoiceRestoreConfiguration;
  } else {
    return;  // "closebtn" closes with the choice untouched
  }
  msg.handled = true;
  Close(choice_);
}

}  // namespace torvane::dialogs

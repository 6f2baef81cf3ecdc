#include "dialogs/CHelpDlg.h"

#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"

#include <QClipboard>
#include <QGuiApplication>

namespace torvane::dialogs {

namespace {

// The label words end in a fullwidth colon (U+FF1A), as the adapter's support has always read them.
QString VersionText(const char* word, unsigned major, unsigned minor, unsigned patch) {
  return QStringLiteral("%1\uFF1A%2.%3.%4").arg(QLatin1StringView(word)).arg(major).arg(minor).arg(patch);
}

QString VersionText(const char* word, const model::Version& version) {
  return VersionText(word, version.major, version.minor, version.patch);
}

QString SerialText(const model::InfoBlock& info) {
  QStringList pairs;
  for (const std::uint8_t byte : info.serial)
    pairs << QStringLiteral("%1").arg(static_cast<unsigned>(byte), 2, 16, QLatin1Char('0'));
  return QStringLiteral("SN\uFF1A") + pairs.join(u'-');
}

}  // namespace

int CHelpDlg::Run(QWidget* owner, const model::FlashImage& image) {
  CHelpDlg dialog(image);
  if (!dialog.Create(owner, QStringLiteral("Help"))) {
    qWarning("help not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return kSystemCloseCode;
  }
  return dialog.ShowModal();
}

CHelpDlg::CHelpDlg(const model::FlashImage& image) : texts_(LabelTexts(image)) {}

QString CHelpDlg::GetWindowClassName() const {
  return QStringLiteral("HelpDlg");
}

QString CHelpDlg::GetSkinFile() const {
  return QStringLiteral("help_dlg.xml");
}

QStringList CHelpDlg::LabelTexts(const model::FlashImage& image) {
  return {VersionText("Manager Ver", model::kManagerVersion),
          VersionText("GameEngine Ver", image.config.version),
          VersionText("Macro Ver", image.macro.version),
          VersionText("Hardware Ver", image.info.hardware_version),
          VersionText("Firmware Ver", image.boot.firmware_version),
          VersionText("BootLoader Ver", image.info.boot_loader_version),
          SerialText(image.info)};
}

QString CHelpDlg::ClipboardText(const QStringList& label_texts) {
  QString text = QStringLiteral("Torvane Help Information\r\n") + QString(28, u'-') + QStringLiteral("\r\n");
  for (const QString& line : label_texts) text += line + QStringLiteral("\r\n");
  return text + QString(34, u'-');
}

void CHelpDlg::InitWindow() {
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    SetControlText(kLabels[i], texts_.value(static_cast<qsizetype>(i)));
  }
}

void CHelpDlg::Notify(toolkit::TNotifyUI& msg) {
  if (msg.Is(toolkit::notify::kClick) && msg.sender_name == u"btnBackups") {
    msg.handled = true;
    Close(kOpenBackups);
    return;
  }
  if (!msg.Is(toolkit::notify::kClick) || msg.sender_name != u"btnCopyToClipboard") return;
  // The labels' texts as they stand, which is what the player sees.
  QStringList shown;
  for (const char16_t* name : kLabels) {
    const toolkit::CControlUI* label = FindControl(name);
    shown << (label ? label->GetText() : QString());
  }
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(ClipboardText(shown));
  msg.handled = true;
  Close(kIdOk);
}

}  // namespace torvane::dialogs

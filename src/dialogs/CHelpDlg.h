#pragma once

#include "toolkit/WindowImplBase.h"

#include <QStringList>

#include <array>

namespace torvane::model {
struct FlashImage;
}

namespace torvane::dialogs {

// The help dialog: the versions of the manager and of the adapter's configuration, macro, hardware, firmware and
// boot loader, and the adapter's serial number, as read with the last flash image. "Copy to Clipboard" puts all
// of it on the clipboard as plain text for a support request and closes the dialog with 1.
class CHelpDlg : public toolkit::WindowImplBase {
 public:
  // The version labels in layout order, top to bottom.
  static constexpr std::array<const char16_t*, 7> kLabels = {
      u"lblManagerVer", u"lblGameEngineVer",         u"lblMacroVer", u"lblHardwareVer", u"lblFirmwareVer",
      u"lblBootVer",    u"lblProductSerialNumberVer"};

  // The result of "btnBackups": the opener shows the adapter's backups.
  static constexpr int kOpenBackups = 8;

  // Builds the dialog over `owner` from `image` and runs it modally; the dialog's result (0 when it could not be
  // built).
  static int Run(QWidget* owner, const model::FlashImage& image);

  // The image is read here; the dialog keeps only the texts made from it.
  explicit CHelpDlg(const model::FlashImage& image);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  // The seven label texts, in the order of kLabels.
  static QStringList LabelTexts(const model::FlashImage& image);
  // The clipboard text made of the label texts: a title, a short rule, one line per label and a long rule,
  // lines ending in "\r\n" but the last.
  static QString ClipboardText(const QStringList& label_texts);

 private:
  QStringList texts_;
};

}  // namespace torvane::dialogs

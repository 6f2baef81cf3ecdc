#include "dialogs/CProgressDlg.h"

#include "device/DeviceMessages.h"
#include "dialogs/CMyProgressUI.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/WindowResultTarget.h"
#include "toolkit/AttributeValues.h"

#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace torvane::dialogs {

QString CProgressDlg::GetWindowClassName() const {
  return QStringLiteral("ProgressDlg");
}

QString CProgressDlg::GetSkinFile() const {
  return QStringLiteral("progress_dlg.xml");
}

QString CProgressDlg::TitleForMode(int mode) {
  switch (mode) {
    case kProgressSave:
      return QStringLiteral("Save Configuration");
    case kProgressRestoreConfiguration:
      return QStringLiteral("Restore Configuration");
    case kProgressUpgradeFirmware:
      return QStringLiteral("Upgrade Firmware");
    case kProgressRestoreAll:
      return QStringLiteral("Restore Firmware and Configuration");
    default:
      return {};
  }
}

toolkit::CControlUI* CProgressDlg::CreateControl(const QString& element_name) {
  if (toolkit::NameIs(element_name, u"MyProgress")) return new CMyProgressUI;
  return nullptr;
}

void CProgressDlg::InitWindow() {
  title_ = FindControl(u"btnTitle");
  content_ = FindControl(u"ContentText");
  bar_ = FindControl<CMyProgressUI>(u"myProgressUSB_Task");
  if (mode_ < kProgressSave || mode_ > kProgressRestoreAll) return;
  if (title_) title_->SetText(TitleForMode(mode_));
  if (content_) content_->SetText(QStringLiteral("Please wait  .  .  .\n Do not unplug your Torvane !"));
}

bool CProgressDlg::HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t /*lparam*/,
                                       const std::any& payload) {
  if (message == device::MSG_PROGRESS) {
    const int percent = static_cast<int>(std::min<std::uintptr_t>(wparam, std::numeric_limits<int>::max()));
    if (bar_) bar_->SetValue(percent);
    if (percent >= 100) Finish(kIdYes);
    return true;
  }
  if (message == device::MSG_DEVICE_FAILED) {
    // Only the first end counts, and so only its failure.
    if (!finished_) failure_ = FailureOf(payload);
    Finish(kIdNo);
    return true;
  }
  return false;
}

void CProgressDlg::Finish(int code) {
  finished_ = true;
  finishing_ = true;
  Close(code);
  finishing_ = false;
}

bool CProgressDlg::MessageFilter(QKeyEvent* event) {
  return event->key() == Qt::Key_Escape;
}

bool CProgressDlg::OnClose(int /*code*/) {
  return finishing_;
}

}  // namespace torvane::dialogs

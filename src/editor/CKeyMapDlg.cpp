#include "editor/CKeyMapDlg.h"

#include "device/DeviceMessages.h"
#include "dialogs/WindowResultTarget.h"
#include "model/keys/KeyClass.h"
#include "model/keys/KeyName.h"
#include "toolkit/Theme.h"

namespace torvane::editor {
namespace {

constexpr int kPulseDots = 3;
constexpr int kPulseIntervalMs = 280;

QString SourceOfKey(std::uint8_t code) {
  switch (model::KeyClass(code)) {
    case model::kKeyClassMouse:
      return QStringLiteral("Mouse");
    case model::kKeyClassKeyboard:
      return QStringLiteral("Keyboard");
    case model::kKeyClassController:
      return QStringLiteral("Device on the adapter");
    default:
      return {};
  }
}

QString DotName(int index) {
  return QStringLiteral("ctlPulse%1").arg(index);
}

}  // namespace

CKeyMapDlg::CKeyMapDlg(std::unique_ptr<platform::InputCapture> capture, WorkerRequestPoster post_request,
                       int working_mode)
    : capture_(std::move(capture)), post_request_(std::move(post_request)), working_mode_(working_mode) {
  pulse_.setInterval(kPulseIntervalMs);
  QObject::connect(&pulse_, &QTimer::timeout, this, [this] { Pulse(); });
}

CKeyMapDlg::~CKeyMapDlg() {
  EndCapture();
}

QString CKeyMapDlg::GetWindowClassName() const {
  return QStringLiteral("KeyMapDlg");
}

QString CKeyMapDlg::GetSkinFile() const {
  return QStringLiteral("keymap_dlg.xml");
}

QString CKeyMapDlg::PromptText() {
  return QStringLiteral("waiting  . . .\r\nplease press any key.");
}

void CKeyMapDlg::InitWindow() {
  setWindowTitle(QStringLiteral("Key mapping"));
  SetControlText(u"txtPrompt", PromptText());
  SetControlText(u"lblSources", working_mode_ == kAdapterKeyMode
                                    ? QStringLiteral("Keyboard, mouse or a device on the adapter")
                                    : QStringLiteral("Keyboard or mouse"));
  ShowControl(u"lblKeyName", false);
  Pulse();
}

void CKeyMapDlg::showEvent(QShowEvent* event) {
  WindowImplBase::showEvent(event);
  if (!started_) StartCapture();
}

void CKeyMapDlg::StartCapture() {
  started_ = true;
  capturing_ = true;
  const toolkit::WindowRef self = Ref();
  if (capture_) {
    capture_->Start(*this, [self](platform::InputCapture::Source source, std::uint8_t code) {
      toolkit::PostMessage(self, device::MSG_PC_KEY, static_cast<std::uintptr_t>(source), code);
    });
  }
  pulse_.start();
  // The worker only reads the adapter's own keys in that mode; elsewhere a request would never be answered.
  if (working_mode_ == kAdapterKeyMode && post_request_) {
    target_ = std::make_shared<dialogs::WindowResultTarget>(self);
    polling_ = true;
    post_request_(device::REQ_READ_KEY_CODE, target_);
  }
}

void CKeyMapDlg::EndCapture() {
  capturing_ = false;
  pulse_.stop();
  if (capture_) capture_->Stop();
  if (polling_) {
    polling_ = false;
    // Any request ends the poll; this one is dropped by the worker.
    post_request_(device::REQ_STOP_KEY_CODE, target_);
  }
}

bool CKeyMapDlg::HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                                     const std::any& /*payload*/) {
  switch (message) {
    case device::MSG_PC_KEY:
      if (capturing_) ShowCaptured(static_cast<std::uint8_t>(lparam));
      return true;
    case device::MSG_KEY_CODE:
      if (!capturing_) return true;
      polling_ = false;  // the poll ended with this key
      ShowCaptured(static_cast<std::uint8_t>(wparam));
      return true;
    case device::MSG_DEVICE_FAILED:
      if (!capturing_) return true;
      polling_ = false;
      EndCapture();
      Close(kDeviceFailed);
      return true;
    default:
      return false;
  }
}

void CKeyMapDlg::ShowCaptured(std::uint8_t code) {
  EndCapture();
  key_ = code;
  ShowControl(u"txtPrompt", false);
  ShowControl(u"layPulse", false);
  SetControlText(u"lblSources", SourceOfKey(code));
  SetControlText(u"lblKeyName", QString::fromUtf8(model::KeyName(code)));
  ShowControl(u"lblKeyName", true);
  QTimer::singleShot(show_time_ms_, this, [this] { Close(kCaptured); });
}

void CKeyMapDlg::Pulse() {
  for (int i = 0; i < kPulseDots; ++i) {
    SetControlBkColor(DotName(i), i == pulse_phase_ ? toolkit::theme::kAccent : toolkit::theme::kBorder);
  }
  pulse_phase_ = (pulse_phase_ + 1) % kPulseDots;
}

bool CKeyMapDlg::MessageFilter(QKeyEvent* /*event*/) {
  // Keys are the capture's: none may close the dialog or reach a control.
  return true;
}

bool CKeyMapDlg::OnClose(int /*code*/) {
  EndCapture();
  return true;
}

}  // namespace torvane::editor

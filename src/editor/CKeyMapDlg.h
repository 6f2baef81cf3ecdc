#pragma once

#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

#include "device/ResultTarget.h"
#include "platform/InputCapture.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

// Posts a request (REQ_* of DeviceMessages.h) to the device worker, naming the target its results go to.
using WorkerRequestPoster = std::function<void(int request, std::weak_ptr<device::ResultTarget> target)>;

// The modal dialog that waits for one key: a key, mouse button or wheel turn on the PC, taken through the injected
// InputCapture, or, in the adapter's working mode 7, a key pressed on a device plugged into the adapter, polled by
// the device worker. It has no button: it ends with 1 when a key was captured (GetCapturedKey) and 2 when the
// worker failed (the adapter was unplugged); a close by the system ends it without a key. Every way out gives the
// keyboard and mouse back and ends the worker's poll.
class CKeyMapDlg : public toolkit::WindowImplBase {
 public:
  static constexpr int kCaptured = 1;
  static constexpr int kDeviceFailed = 2;
  // The working mode in which the adapter reports keys of its own devices.
  static constexpr int kAdapterKeyMode = 7;

  CKeyMapDlg(std::unique_ptr<platform::InputCapture> capture, WorkerRequestPoster post_request, int working_mode);
  ~CKeyMapDlg() override;

  // The key captured; 0 until one is.
  std::uint8_t GetCapturedKey() const { return key_; }
  // How long the captured key stays on show before the dialog closes.
  void SetShowTime(int milliseconds) { show_time_ms_ = milliseconds; }
  bool IsCapturing() const { return capturing_; }

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  bool HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                           const std::any& payload) override;
  bool MessageFilter(QKeyEvent* event) override;
  bool OnClose(int code) override;

  static QString PromptText();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void StartCapture();
  // Gives the input back and, unless the worker's poll has ended by itself, stops it.
  void EndCapture();
  void ShowCaptured(std::uint8_t code);
  void Pulse();

  std::unique_ptr<platform::InputCapture> capture_;
  WorkerRequestPoster post_request_;
  const int working_mode_;
  std::shared_ptr<device::ResultTarget> target_;
  QTimer pulse_;
  int pulse_phase_ = 0;
  int show_time_ms_ = 600;
  std::uint8_t key_ = 0;
  bool started_ = false;
  bool capturing_ = false;
  bool polling_ = false;
};

}  // namespace torvane::editor

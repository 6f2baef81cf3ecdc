#pragma once

#include <windows.h>

#include <QObject>

#include "platform/QtInputCapture.h"
#include "platform/windows/LowLevelInput.h"

namespace torvane::platform {

// Capture through system-wide low-level keyboard and mouse hooks, which see every key before the system acts on it
// (Alt+Tab, the Windows key, Ctrl+Esc) and swallow it while capturing; the pointer cannot move. The hooks run in
// the UI thread's message loop and hand each key on through that loop, as a posted message would. Input that
// reaches the window through Qt all the same (when the system refused the hooks) is captured by Qt's grabs.
class HookInputCapture final : public InputCapture {
 public:
  HookInputCapture() = default;
  ~HookInputCapture() override;
  HookInputCapture(const HookInputCapture&) = delete;
  HookInputCapture& operator=(const HookInputCapture&) = delete;

  void Start(QWidget& window, KeySink sink) override;
  void Stop() override;

  // Whether both hooks are in place.
  bool hooked() const { return keyboard_hook_ != nullptr && mouse_hook_ != nullptr; }

 private:
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM event);
  static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM event);
  void Deliver(const LowLevelInput::Key& key);

  QtInputCapture grabs_;
  QObject deliveries_;  // queued keys die with it
  KeySink sink_;
  LowLevelInput input_;
  HHOOK keyboard_hook_ = nullptr;
  HHOOK mouse_hook_ = nullptr;
  unsigned generation_ = 0;  // keys queued by an earlier capture are dropped
};

}  // namespace torvane::platform

#include "platform/windows/HookInputCapture.h"

#include <QMetaObject>

namespace torvane::platform {

namespace {

// Low-level hooks carry no context of their own; one capture runs at a time (its window is modal).
HookInputCapture* active_capture = nullptr;

}  // namespace

HookInputCapture::~HookInputCapture() {
  Stop();
}

void HookInputCapture::Start(QWidget& window, KeySink sink) {
  Stop();
  sink_ = std::move(sink);
  input_ = LowLevelInput{};
  ++generation_;
  grabs_.Start(window, sink_);
  active_capture = this;
  const HINSTANCE module = ::GetModuleHandleW(nullptr);
  keyboard_hook_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &HookInputCapture::KeyboardProc, module, 0);
  mouse_hook_ = ::SetWindowsHookExW(WH_MOUSE_LL, &HookInputCapture::MouseProc, module, 0);
}

void HookInputCapture::Stop() {
  // Released on every way out: the hooks are system-wide, and a hook left behind would swallow the desktop's input.
  if (keyboard_hook_ != nullptr) ::UnhookWindowsHookEx(keyboard_hook_);
  if (mouse_hook_ != nullptr) ::UnhookWindowsHookEx(mouse_hook_);
  keyboard_hook_ = mouse_hook_ = nullptr;
  if (active_capture == this) active_capture = nullptr;
  grabs_.Stop();
  sink_ = nullptr;
}

LRESULT CALLBACK HookInputCapture::KeyboardProc(int code, WPARAM message, LPARAM event) {
  HookInputCapture* capture = active_capture;
  if (code != HC_ACTION || capture == nullptr) return ::CallNextHookEx(nullptr, code, message, event);
  const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
  if (const auto captured = capture->input_.OnKeyboard(static_cast<std::uint32_t>(message), key.vkCode, key.scanCode,
                                                       (key.flags & LLKHF_EXTENDED) != 0)) {
    capture->Deliver(*captured);
  }
  return 1;  // swallowed
}

LRESULT CALLBACK HookInputCapture::MouseProc(int code, WPARAM message, LPARAM event) {
  HookInputCapture* capture = active_capture;
  if (code != HC_ACTION || capture == nullptr) return ::CallNextHookEx(nullptr, code, message, event);
  const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(event);
  if (const auto captured = capture->input_.OnMouse(static_cast<std::uint32_t>(message), mouse.mouseData)) {
    capture->Deliver(*captured);
  }
  return 1;
}

void HookInputCapture::Deliver(const LowLevelInput::Key& key) {
  // A hook must return at once: the sink, which may close the window, runs on the next turn of the loop.
  const unsigned generation = generation_;
  QMetaObject::invokeMethod(
      &deliveries_,
      [this, key, generation] {
        if (generation != generation_ || !sink_) return;
        const KeySink sink = sink_;
        sink(key.source, key.code);
      },
      Qt::QueuedConnection);
}

}  // namespace torvane::platform

#pragma once

#include <QEvent>
#include <QPointer>

#include <any>
#include <cstdint>

namespace torvane::toolkit {

class WindowImplBase;

// A program message posted to a window (the device worker's results, the UI's own notices): a number, two
// parameters and, where a result hands data over, a payload that travels with it. Handled by the window's
// HandleCustomMessage on the UI thread.
class WindowMessageEvent : public QEvent {
 public:
  static const QEvent::Type kType;
  WindowMessageEvent(unsigned message, std::uintptr_t wparam, std::intptr_t lparam, std::any payload = {})
      : QEvent(kType), message_(message), wparam_(wparam), lparam_(lparam), payload_(std::move(payload)) {}
  unsigned message() const { return message_; }
  std::uintptr_t wparam() const { return wparam_; }
  std::intptr_t lparam() const { return lparam_; }
  const std::any& payload() const { return payload_; }

 private:
  unsigned message_;
  std::uintptr_t wparam_;
  std::intptr_t lparam_;
  std::any payload_;
};

// A window reference that may be handed to other threads. Take it on the UI thread while the window exists.
using WindowRef = QPointer<WindowImplBase>;

// Queues a message for the window from any thread. Messages arrive on the UI thread in the order they were
// posted; a message for a window that has been destroyed meanwhile is dropped, and its payload with it.
void PostMessage(const WindowRef& window, unsigned message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0,
                 std::any payload = {});

}  // namespace torvane::toolkit

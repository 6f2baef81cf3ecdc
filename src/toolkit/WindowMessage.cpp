#include "toolkit/WindowMessage.h"

#include "toolkit/WindowImplBase.h"

#include <QCoreApplication>

namespace torvane::toolkit {

const QEvent::Type WindowMessageEvent::kType = static_cast<QEvent::Type>(QEvent::registerEventType());

void PostMessage(const WindowRef& window, unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                 std::any payload) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  // The application object lives on the UI thread for the whole run, so the queued call runs there; the
  // window is looked at only then, when it cannot be destroyed under our feet.
  QMetaObject::invokeMethod(
      app,
      [window, message, wparam, lparam, payload = std::move(payload)]() mutable {
        if (!window) return;
        WindowMessageEvent event(message, wparam, lparam, std::move(payload));
        QCoreApplication::sendEvent(window.data(), &event);
      },
      Qt::QueuedConnection);
}

}  // namespace torvane::toolkit

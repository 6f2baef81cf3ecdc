#include "editor/curve/HeldKeys.h"

#include "platform/KeyTranslator.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace torvane::editor {

HeldKeys::HeldKeys(QWidget* window) : window_(window) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

HeldKeys::~HeldKeys() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == window_ && type == QEvent::WindowDeactivate) {
    held_.reset();
    return false;
  }
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType() || !window_) return false;
  if (static_cast<QWidget*>(watched)->window() != window_) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if (key->isAutoRepeat()) return false;
  const std::uint8_t code =
      platform::KeyTranslator::Native().KeyCodeFromNativeKey(key->nativeScanCode(), key->nativeVirtualKey());
  if (code != 0) held_.set(code, type == QEvent::KeyPress);
  return false;
}

}  // namespace torvane::editor

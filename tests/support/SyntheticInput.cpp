#include "support/SyntheticInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace torvane::testing {
namespace {

const QPointF kAt(10, 10);

void Send(QWidget& window, QEvent&& event) {
  QCoreApplication::sendEvent(&window, &event);
}

void Key(QWidget& window, QEvent::Type type, int qt_key, quint32 scan, const QString& text) {
  Send(window, QKeyEvent(type, qt_key, Qt::NoModifier, scan, text.isEmpty() ? 0 : text.front().unicode(), 0, text));
}

void Mouse(QWidget& window, QEvent::Type type, Qt::MouseButton button) {
  Send(window, QMouseEvent(type, kAt, window.mapToGlobal(kAt), button,
                           type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier));
}

}  // namespace

void TapKey(QWidget& window, int qt_key, quint32 scan, const QString& text) {
  Key(window, QEvent::KeyPress, qt_key, scan, text);
  Key(window, QEvent::KeyRelease, qt_key, scan, text);
}

void ClickMouseButton(QWidget& window, Qt::MouseButton button) {
  Mouse(window, QEvent::MouseButtonPress, button);
  Mouse(window, QEvent::MouseButtonRelease, button);
}

void TurnWheel(QWidget& window, QPoint angle) {
  Send(window, QWheelEvent(kAt, window.mapToGlobal(kAt), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false));
}

}  // namespace torvane::testing

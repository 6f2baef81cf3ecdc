#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPoint>
#include <QString>
#include <QWheelEvent>
#include <QWidget>

namespace torvane::testing {

// A physical key as the system names it in Qt's key events, which is what a capture translates.
struct NativeKey {
  quint32 scan_code;
  quint32 virtual_key;
};

#ifdef Q_OS_WIN
// The keyboard's scan code (0x100 marks an extended key) and the virtual key, as window messages carry them.
inline constexpr NativeKey kKeyA{0x1E, 0x41};
inline constexpr NativeKey kKeyB{0x30, 0x42};
inline constexpr NativeKey kKeyLeftShift{0x2A, 0x10};
inline constexpr NativeKey kKeyLeftCtrl{0x1D, 0x11};
inline constexpr NativeKey kKeyRightCtrl{0x11D, 0x11};
inline constexpr NativeKey kKeyLeftAlt{0x38, 0x12};
inline constexpr NativeKey kKeyLeftMeta{0x15B, 0x5B};
inline constexpr NativeKey kKeyTab{0x0F, 0x09};
inline constexpr NativeKey kKeyEscape{0x01, 0x1B};
inline constexpr NativeKey kKeyReturn{0x1C, 0x0D};
inline constexpr NativeKey kKeyPrint{0x137, 0x2C};
inline constexpr NativeKey kKeyF12{0x58, 0x7B};
#else
// X11 and Wayland give the Linux input event code plus 8; the virtual key is a keysym of the layout, not read.
inline constexpr NativeKey kKeyA{30 + 8, 0};
inline constexpr NativeKey kKeyB{48 + 8, 0};
inline constexpr NativeKey kKeyLeftShift{42 + 8, 0};
inline constexpr NativeKey kKeyLeftCtrl{29 + 8, 0};
inline constexpr NativeKey kKeyRightCtrl{97 + 8, 0};
inline constexpr NativeKey kKeyLeftAlt{56 + 8, 0};
inline constexpr NativeKey kKeyLeftMeta{125 + 8, 0};
inline constexpr NativeKey kKeyTab{15 + 8, 0};
inline constexpr NativeKey kKeyEscape{1 + 8, 0};
inline constexpr NativeKey kKeyReturn{28 + 8, 0};
inline constexpr NativeKey kKeyPrint{99 + 8, 0};
inline constexpr NativeKey kKeyF12{88 + 8, 0};
#endif

// Input as the system delivers it to a window (one that has taken the keyboard and mouse, or has the focus).
inline void SendKey(QWidget& target, QEvent::Type type, int qt_key, NativeKey key,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent event(type, qt_key, modifiers, key.scan_code, key.virtual_key, 0, text);
  QCoreApplication::sendEvent(&target, &event);
}

inline void TapKey(QWidget& target, int qt_key, NativeKey key, const QString& text = {}) {
  SendKey(target, QEvent::KeyPress, qt_key, key, Qt::NoModifier, text);
  SendKey(target, QEvent::KeyRelease, qt_key, key, Qt::NoModifier, text);
}

// The key a capture test takes when any key will do.
inline void TapA(QWidget& target) {
  TapKey(target, Qt::Key_A, kKeyA, QStringLiteral("a"));
}

inline void SendMouseButton(QWidget& target, QEvent::Type type, Qt::MouseButton button) {
  const QPointF at(10, 10);
  QMouseEvent event(type, at, target.mapToGlobal(at), button,
                    type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &event);
}

inline void ClickMouseButton(QWidget& target, Qt::MouseButton button) {
  SendMouseButton(target, QEvent::MouseButtonPress, button);
  SendMouseButton(target, QEvent::MouseButtonRelease, button);
}

inline void TurnWheel(QWidget& target, QPoint angle) {
  const QPointF at(10, 10);
  QWheelEvent event(at, target.mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QCoreApplication::sendEvent(&target, &event);
}

}  // namespace torvane::testing

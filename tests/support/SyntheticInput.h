#pragma once

#include <QPoint>
#include <QString>

#include <QtGlobal>

class QWidget;

namespace torvane::testing {

// X11 and Wayland report the Linux input event code plus 8 as a key's native scan code.
inline constexpr quint32 kScanA = 30 + 8;
inline constexpr quint32 kScanB = 48 + 8;
inline constexpr quint32 kScanLeftShift = 42 + 8;

// Input for a window that has taken the keyboard and mouse: a key pressed and released, a mouse button pressed
// and released, a wheel turn.
void TapKey(QWidget& window, int qt_key, quint32 scan, const QString& text = {});
void ClickMouseButton(QWidget& window, Qt::MouseButton button);
void TurnWheel(QWidget& window, QPoint angle);

}  // namespace torvane::testing

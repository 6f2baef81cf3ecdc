#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include "platform/InputCapture.h"

namespace torvane::platform {

// Capture through the window system's grabs: the window grabs keyboard and mouse (hiding the pointer), and a filter
// on the application sees every key and mouse event before the toolkit's own key handling. Keys are translated by
// their native scan code, which names the physical key whatever the keyboard layout.
class QtInputCapture final : public QObject, public InputCapture {
 public:
  QtInputCapture() = default;
  ~QtInputCapture() override;

  void Start(QWidget& window, KeySink sink) override;
  void Stop() override;

  // The key code of a mouse button: left, right, middle, back, forward and the further buttons up to the 13th
  // extra one; 0 for others.
  static std::uint8_t KeyCodeFromMouseButton(Qt::MouseButton button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsForWindow(const QObject* watched) const;
  void Deliver(Source source, std::uint8_t code);

  QPointer<QWidget> window_;
  KeySink sink_;
  QSet<quint32> pressed_keys_;  // native scan codes pressed during the capture
  Qt::MouseButtons pressed_buttons_;
};

}  // namespace torvane::platform

#pragma once

#include <QEvent>
#include <QObject>

namespace torvane {

// Installed as an event filter: sees the next paint of the watched widget, which is when the player sees it.
class PaintProbe : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace torvane

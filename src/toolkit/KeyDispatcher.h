#pragma once

#include <QObject>

namespace torvane::toolkit {

// Hands every key press meant for a toolkit window to that window's PreTranslateKey before any control sees it,
// the way a message loop lets a window filter keys first. Installed on the application once.
class KeyDispatcher : public QObject {
 public:
  static void EnsureInstalled();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace torvane::toolkit

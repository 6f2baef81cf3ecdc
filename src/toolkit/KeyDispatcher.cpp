#include "toolkit/KeyDispatcher.h"

#include "toolkit/WindowImplBase.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace torvane::toolkit {

void KeyDispatcher::EnsureInstalled() {
  static QPointer<KeyDispatcher> installed;
  QCoreApplication* app = QCoreApplication::instance();
  if (installed || !app) return;
  installed = new KeyDispatcher(app);
  app->installEventFilter(installed);
}

bool KeyDispatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  // A key travels from the focus widget up through its parents; filter it once, at its first receiver.
  QWidget* focus = QApplication::focusWidget();
  if (focus && widget != focus && widget->isAncestorOf(focus)) return false;
  auto* window = dynamic_cast<WindowImplBase*>(widget->window());
  if (!window) return false;
  return window->PreTranslateKey(static_cast<QKeyEvent*>(event));
}

}  // namespace torvane::toolkit

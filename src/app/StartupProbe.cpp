#include "app/StartupProbe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace torvane::app {

QString FormatStartupFigures(const platform::ProcessFigures& figures) {
  const QString ms = figures.since_start_ms ? QString::number(*figures.since_start_ms, 'f', 1) : QStringLiteral("?");
  const QString rss = figures.rss_kib ? QString::number(*figures.rss_kib) : QStringLiteral("?");
  return QStringLiteral("startup_ms=%1 rss_kib=%2").arg(ms, rss);
}

namespace {

class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, parent(), std::move(then_));
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
  new FirstPaintWatch(window, std::move(then));
}

}  // namespace torvane::app

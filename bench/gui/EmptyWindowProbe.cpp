// The yardstick of the manager's start-up: a frameless window of the main window's size that paints once and
// quits. It links Qt alone, so what the manager takes beyond it is the manager's own.
#include <QApplication>
#include <QColor>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class EmptyWindow : public QWidget {
 public:
  EmptyWindow() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(1000, 750);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter(this).fillRect(rect(), QColor(0x15, 0x18, 0x1E));
    if (!painted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    painted_ = true;
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  EmptyWindow window;
  window.show();
  return QApplication::exec();
}

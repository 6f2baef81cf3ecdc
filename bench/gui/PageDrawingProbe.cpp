// A second yardstick for the manager's start-up: what Qt alone takes to put the manager's first page on screen.
// A frameless window of the main window's size draws that page's three images and its three lines of text in
// their three fonts, then quits. As the manager does, it decodes the full-window background and reads the system's
// font list on threads. It has no skin archive, layout, adapter or worker: the manager's time and memory beyond
// this program's are its own.
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <future>

namespace {

QImage ReadImage(const char* name) {
  QImageReader reader(QStringLiteral(TORVANE_SKIN_IMAGES "/") + QLatin1String(name), "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QFont PageFont(double points, bool demi_bold) {
  QFont font(QStringLiteral("Noto Sans"));
  font.setPointSizeF(points);
  if (demi_bold) font.setWeight(QFont::DemiBold);
  return font;
}

class PageWindow : public QWidget {
 public:
  explicit PageWindow(std::future<QImage> background) : background_(std::move(background)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    resize(1000, 750);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    if (background_.valid()) {
      page_ = QPixmap::fromImage(background_.get());
      logo_ = QPixmap::fromImage(ReadImage("logo.png"));
      adapter_ = QPixmap::fromImage(ReadImage("device_remove.png"));
    }
    QPainter painter(this);
    painter.drawPixmap(QRectF(rect()), page_, QRectF(page_.rect()));
    painter.drawPixmap(QRectF(16, 8, 24, 24), logo_, QRectF(logo_.rect()));
    painter.drawPixmap(QRectF(340, 240, 320, 200), adapter_, QRectF(adapter_.rect()));
    painter.setPen(QColor(0xE6, 0xE9, 0xEF));
    painter.setFont(PageFont(11, true));
    painter.drawText(QRect(48, 0, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Torvane Manager"));
    painter.setFont(PageFont(14, true));
    painter.drawText(QRect(0, 448, 1000, 36), Qt::AlignCenter, QStringLiteral("No adapter found"));
    painter.setPen(QColor(0x9A, 0xA3, 0xB2));
    painter.setFont(PageFont(10, false));
    painter.drawText(QRect(0, 492, 1000, 24), Qt::AlignCenter,
                     QStringLiteral("Connect the adapter to a USB port of this computer."));
    if (!painted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    painted_ = true;
  }

 private:
  std::future<QImage> background_;
  QPixmap page_;
  QPixmap logo_;
  QPixmap adapter_;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::future<void> font_list = std::async(std::launch::async, [] { QFontDatabase::families(); });
  PageWindow window(std::async(std::launch::async, [] { return ReadImage("main_wnd_init_background.png"); }));
  window.show();
  return QApplication::exec();
}

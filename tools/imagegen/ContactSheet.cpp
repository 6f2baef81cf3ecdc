#include "ContactSheet.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace torvane::imagegen {

void WriteContactSheet(const QDir& root, const QStringList& names, const QString& target) {
  constexpr int kCell = 210;
  constexpr int kLabel = 16;
  constexpr int kColumns = 8;
  const int rows = std::max<int>(1, static_cast<int>((names.size() + kColumns - 1) / kColumns));
  QImage sheet(kColumns * kCell, rows * (kCell + kLabel), QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(0x15, 0x18, 0x1E));
  QPainter painter(&sheet);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  QFont font("Noto Sans");
  font.setPixelSize(10);
  painter.setFont(font);
  for (qsizetype i = 0; i < names.size(); ++i) {
    const int x = static_cast<int>(i % kColumns) * kCell;
    const int y = static_cast<int>(i / kColumns) * (kCell + kLabel);
    const QImage image(root.filePath(names[i]));
    const QRect frame(x + 6, y + 6, kCell - 12, kCell - 12);
    painter.setPen(QColor(0x39, 0x41, 0x4D));
    painter.drawRect(frame);
    // Small images are magnified by a whole factor with visible pixels, so that their edges can be judged.
    const int zoom =
        image.isNull() ? 1 : std::max(1, std::min(frame.width() / image.width(), frame.height() / image.height()) / 2);
    QSize fitted = image.size() * zoom;
    if (fitted.width() > frame.width() || fitted.height() > frame.height()) {
      fitted.scale(frame.size(), Qt::KeepAspectRatio);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom == 1);
    const QRect place(frame.center().x() - fitted.width() / 2, frame.center().y() - fitted.height() / 2, fitted.width(),
                      fitted.height());
    painter.drawImage(place, image);
    painter.setPen(QColor(0x9A, 0xA3, 0xB2));
    painter.drawText(QRect(x, y + kCell, kCell, kLabel), Qt::AlignCenter,
                     QString("%1 %2x%3%4")
                         .arg(names[i])
                         .arg(image.width())
                         .arg(image.height())
                         .arg(zoom > 1 ? QString(" (x%1)").arg(zoom) : QString()));
  }
  painter.end();
  if (!sheet.save(target, "PNG")) throw std::runtime_error("cannot write " + target.toStdString());
}

}  // namespace torvane::imagegen

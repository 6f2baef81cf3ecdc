// The skin's opaque images written with unfiltered rows: they must decode to exactly the pixels drawn.
#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "UnfilteredPng.h"

namespace torvane::imagegen {
namespace {

QImage Drawn(bool opaque) {
  QImage image(37, 23, QImage::Format_ARGB32_Premultiplied);  // an odd width: rows of 111 bytes
  image.fill(opaque ? QColor(0x15, 0x18, 0x1E) : QColor(Qt::transparent));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, 0, 23);
  gradient.setColorAt(0, QColor(0x18, 0x1C, 0x23));
  gradient.setColorAt(1, QColor(0x00, 0x7D, 0xFF));
  painter.fillRect(QRect(0, 0, 37, 12), gradient);
  painter.setPen(QPen(QColor(0xE6, 0xE9, 0xEF), 1.5));
  painter.drawEllipse(QRectF(4.5, 3.5, 28, 16));
  return image;
}

TEST(UnfilteredPngTest, OpaqueImagesComeBackPixelForPixel) {
  struct Case {
    const char* name;
    QImage image;
    bool opaque;
  };
  const Case cases[] = {{"drawn on an opaque fill", Drawn(true), true},
                        {"with transparent pixels", Drawn(false), false},
                        {"in a format without alpha", Drawn(true).convertToFormat(QImage::Format_RGB32), true}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsOpaque(c.image), c.opaque) << c.name;
    if (!c.opaque) continue;
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(EncodeUnfilteredPng(c.image), "png")) << c.name;
    EXPECT_FALSE(decoded.hasAlphaChannel()) << c.name;
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), c.image.convertToFormat(QImage::Format_RGB32)) << c.name;
  }
}

}  // namespace
}  // namespace torvane::imagegen

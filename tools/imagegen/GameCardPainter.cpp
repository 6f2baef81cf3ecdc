#include "GameCardPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace torvane::imagegen {
namespace {

constexpr qreal kRadius = 4.0;
constexpr int kPatternCount = 6;

std::uint32_t Fnv1a(const QByteArray& bytes) {
  std::uint32_t hash = 2166136261u;
  for (char c : bytes) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

float Channel(float c) {
  return c <= 0.03928f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
}

float Luminance(const QColor& color) {
  return 0.2126f * Channel(color.redF()) + 0.7152f * Channel(color.greenF()) + 0.0722f * Channel(color.blueF());
}

// Darkens the colour until white text on it keeps a contrast of at least 5:1.
QColor ReadableBehindWhite(QColor color) {
  while (Luminance(color) > 0.16f && color.valueF() > 0.05f) {
    color = QColor::fromHsvF(color.hsvHueF(), color.hsvSaturationF(), color.valueF() - 0.02f);
  }
  return color;
}

// Hues from orange round to red, leaving out the yellows and limes, which turn olive once darkened for white text.
int CardHue(std::uint32_t hash) {
  constexpr int kSkipFrom = 42;
  constexpr int kSkipTo = 95;
  const int hue = static_cast<int>(hash % (360 - (kSkipTo - kSkipFrom)));
  return hue < kSkipFrom ? hue : hue + (kSkipTo - kSkipFrom);
}

void DrawPattern(QPainter& painter, const QRectF& card, int pattern, std::uint32_t hash) {
  const qreal w = card.width();
  const qreal h = card.height();
  const qreal phase = static_cast<qreal>((hash >> 12) % 97) / 97.0;
  QPen pen(QColor(255, 255, 255, 26), std::max(1.0, h / 40.0));
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  switch (pattern) {
    case 0: {  // diagonal bands
      const qreal step = h / 5.0;
      pen.setWidthF(step * 0.45);
      painter.setPen(pen);
      for (qreal x = -h + phase * step; x < w + h; x += step) painter.drawLine(QPointF(x, h), QPointF(x + h, 0));
      break;
    }
    case 1: {  // rings from a corner
      const QPointF centre(w * (0.75 + 0.2 * phase), h * 0.1);
      for (qreal r = h * 0.25; r < w * 1.2; r += h * 0.22) painter.drawEllipse(centre, r, r);
      break;
    }
    case 2: {  // chevrons
      const qreal step = h / 3.5;
      pen.setWidthF(h / 14.0);
      painter.setPen(pen);
      for (qreal x = w * 0.35 + phase * step; x < w + h; x += step) {
        painter.drawPolyline(QPolygonF{{x, -2}, {x + h * 0.5, h * 0.5}, {x, h + 2}});
      }
      break;
    }
    case 3: {  // dot grid fading to the left
      const qreal step = h / 9.0;
      painter.setPen(Qt::NoPen);
      for (qreal y = step / 2; y < h; y += step) {
        for (qreal x = w * 0.3; x < w; x += step) {
          painter.setBrush(QColor(255, 255, 255, static_cast<int>(44 * (x - w * 0.3) / (w * 0.7))));
          painter.drawEllipse(QPointF(x, y), step * 0.16, step * 0.16);
        }
      }
      break;
    }
    case 4: {  // facets
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, 18));
      painter.drawPolygon(QPolygonF{{w * (0.45 + 0.2 * phase), 0}, {w, 0}, {w, h * 0.8}});
      painter.setBrush(QColor(0, 0, 0, 30));
      painter.drawPolygon(QPolygonF{{w * 0.55, h}, {w, h * (0.3 + 0.3 * phase)}, {w, h}});
      painter.setBrush(QColor(255, 255, 255, 12));
      painter.drawPolygon(QPolygonF{{w * 0.2, 0}, {w * (0.45 + 0.2 * phase), 0}, {w * 0.75, h}, {w * 0.5, h}});
      break;
    }
    default: {  // speed lines
      painter.setPen(Qt::NoPen);
      const qreal band = h / 16.0;
      for (int i = 0; i < 7; ++i) {
        const qreal y = h * 0.08 + i * band * 1.9;
        const qreal start = w * (0.25 + 0.5 * std::fmod(phase + i * 0.37, 1.0));
        painter.setBrush(QColor(255, 255, 255, 14 + 4 * (i % 3)));
        painter.drawRoundedRect(QRectF(start, y, w - start + band, band), band / 2, band / 2);
      }
      break;
    }
  }
}

// The largest bold font, from about a third of the box height down to 10 pixels, whose wrapped text fits the box;
// the cap keeps short titles on one line instead of filling the card with two huge words.
QFont FitTitleFont(const QString& title, const QRectF& box) {
  QFont font("Noto Sans");
  font.setWeight(QFont::Bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  const int max_px = std::clamp(static_cast<int>(box.height() / 3.3), 10, 24);
  for (int px = max_px; px >= 10; --px) {
    font.setPixelSize(px);
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, title);
    if (needed.width() <= box.width() && needed.height() <= box.height()) return font;
  }
  return font;
}

}  // namespace

QImage PaintGameCard(const QString& title, const QString& key, QSize size, int scale, bool accent) {
  const std::uint32_t hash = Fnv1a(key.toUtf8());
  const QColor base =
      accent ? QColor(0x00, 0x6A, 0xD9)
             : ReadableBehindWhite(QColor::fromHsv(CardHue(hash), 150 + static_cast<int>((hash >> 9) % 60), 170));
  const QColor deep =
      QColor::fromHsvF(base.hsvHueF(), std::min(1.0f, base.hsvSaturationF() + 0.1f), base.valueF() * 0.55f);

  QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

  const QRectF card(0, 0, size.width(), size.height());
  QPainterPath shape;
  shape.addRoundedRect(card, kRadius, kRadius);
  painter.setClipPath(shape);

  QLinearGradient fill(card.topLeft(), card.bottomRight());
  fill.setColorAt(0, base);
  fill.setColorAt(1, deep);
  painter.fillRect(card, fill);
  DrawPattern(painter, card, accent ? 1 : static_cast<int>((hash >> 20) % kPatternCount), hash);

  // A shade behind the title keeps it legible over any pattern.
  QLinearGradient shade(card.topLeft(), card.bottomLeft());
  shade.setColorAt(0.35, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 110));
  painter.fillRect(card, shade);

  const qreal pad = std::max(6.0, size.height() / 10.0);
  const QRectF text_box = card.adjusted(pad, pad * 1.6, -pad, -pad);
  const QFont font = FitTitleFont(title, text_box);
  painter.setFont(font);
  const QRectF used =
      QFontMetricsF(font).boundingRect(text_box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, title);
  const QColor tint = QColor::fromHsvF(base.hsvHueF(), 0.35f, 1.0f);
  painter.fillRect(QRectF(pad, used.top() - pad * 0.55, pad * 2.2, std::max(2.0, pad / 4)), tint);
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(text_box.translated(0, 1), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, title);
  painter.setPen(Qt::white);
  painter.drawText(text_box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, title);

  painter.setClipping(false);
  painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
  return image;
}

}  // namespace torvane::imagegen

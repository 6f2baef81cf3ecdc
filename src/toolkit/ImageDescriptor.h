#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringView>

#include <optional>

class QPainter;

namespace torvane::toolkit {

// An image reference as layouts write it: either a plain member name ("btn_ok.png") or a list such as
// "file='btn.png' source='0,0,40,20' corner='4,4,4,4' dest='2,2,18,18' fade='128'". `source` picks part of the
// image, `corner` keeps those borders unscaled (nine-patch), `dest` places it inside the control, `fade` is the
// opacity 0..255.
struct ImageDescriptor {
  QString file;
  std::optional<QRect> source;
  QMargins corner;
  std::optional<QRect> dest;
  int fade = 255;

  static ImageDescriptor Parse(QStringView text);
};

// Draws the described image from the current skin archive into `bounds`. False when there is nothing to draw
// (empty descriptor, missing or undecodable image).
bool DrawImage(QPainter& painter, const QRect& bounds, QStringView descriptor);

}  // namespace torvane::toolkit

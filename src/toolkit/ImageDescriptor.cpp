#include "toolkit/ImageDescriptor.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/SkinArchive.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace torvane::toolkit {

ImageDescriptor ImageDescriptor::Parse(QStringView text) {
  ImageDescriptor d;
  const QStringView t = text.trimmed();
  if (!t.contains(u'=')) {
    d.file = t.toString();
    return d;
  }
  for (const auto& [name, value] : ParseAttributeList(t)) {
    if (NameIs(name, u"file")) {
      d.file = value;
    } else if (NameIs(name, u"source")) {
      d.source = ParsePos(value);
    } else if (NameIs(name, u"corner")) {
      d.corner = ParseMargins(value).value_or(QMargins());
    } else if (NameIs(name, u"dest")) {
      d.dest = ParsePos(value);
    } else if (NameIs(name, u"fade")) {
      d.fade = std::clamp(ParseInt(value).value_or(255), 0, 255);
    }
  }
  return d;
}

namespace {

// Nine-patch: corners stay unscaled, edges stretch along one axis, the middle along both.
void DrawNinePatch(QPainter& painter, const QRect& target, const QPixmap& pixmap, const QRect& source,
                   const QMargins& corner) {
  const double ratio = pixmap.devicePixelRatio();
  auto src = [&](int x, int y, int w, int h) { return QRectF(x * ratio, y * ratio, w * ratio, h * ratio); };
  const int l = std::min(corner.left(), source.width() / 2);
  const int r = std::min(corner.right(), source.width() - l);
  const int t = std::min(corner.top(), source.height() / 2);
  const int b = std::min(corner.bottom(), source.height() - t);
  const int sx[4] = {source.left(), source.left() + l, source.right() + 1 - r, source.right() + 1};
  const int sy[4] = {source.top(), source.top() + t, source.bottom() + 1 - b, source.bottom() + 1};
  const int dx[4] = {target.left(), target.left() + l, target.right() + 1 - r, target.right() + 1};
  const int dy[4] = {target.top(), target.top() + t, target.bottom() + 1 - b, target.bottom() + 1};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRect d(QPoint(dx[col], dy[row]), QPoint(dx[col + 1] - 1, dy[row + 1] - 1));
      const int sw = sx[col + 1] - sx[col];
      const int sh = sy[row + 1] - sy[row];
      if (d.width() <= 0 || d.height() <= 0 || sw <= 0 || sh <= 0) continue;
      painter.drawPixmap(QRectF(d), pixmap, src(sx[col], sy[row], sw, sh));
    }
  }
}

}  // namespace

bool DrawImage(QPainter& painter, const QRect& bounds, QStringView descriptor) {
  if (descriptor.trimmed().isEmpty()) return false;
  SkinArchive* archive = SkinArchive::Current();
  if (!archive) return false;
  const ImageDescriptor d = ImageDescriptor::Parse(descriptor);
  if (d.file.isEmpty() || d.fade == 0) return false;
  const QPixmap pixmap = archive->Image(d.file);
  if (pixmap.isNull()) return false;

  const QSize logical = (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
  const QRect whole(QPoint(0, 0), logical);
  const QRect source = d.source ? d.source->intersected(whole) : whole;
  if (source.isEmpty()) return false;
  QRect target = bounds;
  if (d.dest) target = d.dest->translated(bounds.topLeft()).intersected(bounds);
  if (target.isEmpty()) return false;

  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setOpacity(painter.opacity() * d.fade / 255.0);
  if (d.corner.isNull()) {
    const double ratio = pixmap.devicePixelRatio();
    painter.drawPixmap(QRectF(target), pixmap,
                       QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
  } else {
    DrawNinePatch(painter, target, pixmap, source, d.corner);
  }
  painter.restore();
  return true;
}

}  // namespace torvane::toolkit

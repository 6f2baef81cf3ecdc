#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace torvane::imagegen {

// A game card of `size` logical pixels drawn at `scale` device pixels per pixel: a tile coloured and patterned from
// `key` (the same key always gives the same card) with `title` set in it, wrapped and shrunk until it fits.
// `accent` replaces the hashed colour with the program's accent.
QImage PaintGameCard(const QString& title, const QString& key, QSize size, int scale, bool accent = false);

}  // namespace torvane::imagegen

#pragma once

#include <QMargins>
#include <QString>

#include <cstdint>

namespace torvane::toolkit {

// How a list draws its items, set from the list's "item..." attributes.
struct TListInfoUI {
  int font = -1;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
  bool end_ellipsis = false;
  QMargins text_padding;
  std::uint32_t text_color = 0xFF000000;
  std::uint32_t bk_color = 0;
  QString bk_image;
  bool alt_bk = false;
  std::uint32_t selected_text_color = 0xFF000000;
  std::uint32_t selected_bk_color = 0xFFC1E3FF;
  QString selected_image;
  std::uint32_t hot_text_color = 0xFF000000;
  std::uint32_t hot_bk_color = 0xFFE9F5FF;
  QString hot_image;
  std::uint32_t disabled_text_color = 0xFFCCCCCC;
  std::uint32_t disabled_bk_color = 0xFFFFFFFF;
  QString disabled_image;
  std::uint32_t line_color = 0;

  // The dark theme's values, for lists whose layout sets none.
  static TListInfoUI ThemeDefaults();
};

// What a list attribute does to the presentation. Colours are hexadecimal ARGB with or without "#"; "itemalign"
// is searched for "left", "center", "right" in that order; "itemtextpadding" takes four numbers. Says whether
// the list must repaint or lay out again; kNone for a name that is not an item attribute (the list handles it).
enum class ListInfoChange { kNone, kRepaint, kRelayout };
ListInfoChange ApplyListInfoAttribute(TListInfoUI& info, const QString& name, const QString& value);

}  // namespace torvane::toolkit

#include "toolkit/TListInfoUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/Theme.h"

namespace torvane::toolkit {

TListInfoUI TListInfoUI::ThemeDefaults() {
  TListInfoUI info;
  info.text_color = theme::kText;
  info.selected_text_color = theme::kText;
  info.selected_bk_color = 0x40007DFF;
  info.hot_text_color = theme::kText;
  info.hot_bk_color = theme::kRaised;
  info.disabled_text_color = theme::kTextDisabled;
  info.disabled_bk_color = 0;
  info.end_ellipsis = true;
  return info;
}

ListInfoChange ApplyListInfoAttribute(TListInfoUI& info, const QString& name, const QString& value) {
  struct ColorField {
    const char16_t* name;
    std::uint32_t TListInfoUI::*field;
  };
  static const ColorField colors[] = {
      {u"itemtextcolor", &TListInfoUI::text_color},
      {u"itembkcolor", &TListInfoUI::bk_color},
      {u"itemselectedtextcolor", &TListInfoUI::selected_text_color},
      {u"itemselectedbkcolor", &TListInfoUI::selected_bk_color},
      {u"itemhottextcolor", &TListInfoUI::hot_text_color},
      {u"itemhotbkcolor", &TListInfoUI::hot_bk_color},
      {u"itemdisabledtextcolor", &TListInfoUI::disabled_text_color},
      {u"itemdisabledbkcolor", &TListInfoUI::disabled_bk_color},
      {u"itemlinecolor", &TListInfoUI::line_color},
  };
  for (const auto& c : colors) {
    if (NameIs(name, c.name)) {
      info.*c.field = ParseHexColor(value);
      return ListInfoChange::kRepaint;
    }
  }
  struct ImageField {
    const char16_t* name;
    QString TListInfoUI::*field;
  };
  static const ImageField images[] = {
      {u"itembkimage", &TListInfoUI::bk_image},
      {u"itemselectedimage", &TListInfoUI::selected_image},
      {u"itemhotimage", &TListInfoUI::hot_image},
      {u"itemdisabledimage", &TListInfoUI::disabled_image},
  };
  for (const auto& i : images) {
    if (NameIs(name, i.name)) {
      info.*i.field = value;
      return ListInfoChange::kRepaint;
    }
  }
  if (NameIs(name, u"itemfont")) {
    info.font = ParseInt(value).value_or(-1);
    return ListInfoChange::kRepaint;
  }
  if (NameIs(name, u"itemalign")) {
    Qt::Alignment h = Qt::AlignLeft;
    if (value.contains(u"left")) h = Qt::AlignLeft;
    if (value.contains(u"center")) h = Qt::AlignHCenter;
    if (value.contains(u"right")) h = Qt::AlignRight;
    info.align = h | Qt::AlignVCenter;
    return ListInfoChange::kRepaint;
  }
  if (NameIs(name, u"itemendellipsis")) {
    info.end_ellipsis = value == u"true";
    return ListInfoChange::kRepaint;
  }
  if (NameIs(name, u"itemaltbk")) {
    info.alt_bk = value == u"true";
    return ListInfoChange::kRepaint;
  }
  if (NameIs(name, u"itemtextpadding")) {
    // Missing numbers count as 0; the text is never read past its end.
    const auto fields = QStringView(value).split(u',');
    int v[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < fields.size() && i < 4; ++i) v[i] = fields[i].trimmed().toInt();
    info.text_padding = QMargins(v[0], v[1], v[2], v[3]);
    return ListInfoChange::kRelayout;
  }
  return ListInfoChange::kNone;
}

}  // namespace torvane::toolkit

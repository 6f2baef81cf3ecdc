#include "toolkit/CLabelUI.h"

#include "toolkit/AttributeValues.h"

#include <QFontMetrics>
#include <QPainter>

namespace torvane::toolkit {

CLabelUI::CLabelUI(QWidget* parent) : CControlUI(parent) {}

QString CLabelUI::GetClass() const {
  return QStringLiteral("LabelUI");
}

void CLabelUI::SetTextAlign(Qt::Alignment align) {
  align_ = align;
  update();
}

void CLabelUI::SetTextPadding(const QMargins& padding) {
  text_padding_ = padding;
  update();
}

void CLabelUI::SetEndEllipsis(bool on) {
  end_ellipsis_ = on;
  update();
}

void CLabelUI::SetMultiLine(bool on) {
  multi_line_ = on;
  update();
}

Qt::Alignment CLabelUI::ParseAlign(QStringView value, Qt::Alignment base) {
  Qt::Alignment h = base & Qt::AlignHorizontal_Mask;
  Qt::Alignment v = base & Qt::AlignVertical_Mask;
  // Words are the runs of ASCII letters; anything else separates them. Scanned by hand, since a regular
  // expression here would load the regex engine into every start-up for one attribute.
  const auto is_letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
  for (qsizetype i = 0; i < value.size();) {
    if (!is_letter(value[i])) {
      ++i;
      continue;
    }
    qsizetype end = i;
    while (end < value.size() && is_letter(value[end])) ++end;
    const QStringView word = value.sliced(i, end - i);
    if (NameIs(word, u"left")) h = Qt::AlignLeft;
    if (NameIs(word, u"center")) h = Qt::AlignHCenter;
    if (NameIs(word, u"right")) h = Qt::AlignRight;
    if (NameIs(word, u"top")) v = Qt::AlignTop;
    if (NameIs(word, u"vcenter")) v = Qt::AlignVCenter;
    if (NameIs(word, u"bottom")) v = Qt::AlignBottom;
    i = end;
  }
  return h | v;
}

void CLabelUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"align")) {
    SetTextAlign(ParseAlign(value, align_));
  } else if (NameIs(name, u"valign")) {
    SetTextAlign(ParseAlign(value, align_));
  } else if (NameIs(name, u"textpadding")) {
    if (const auto m = ParseMargins(value)) SetTextPadding(*m);
  } else if (NameIs(name, u"endellipsis")) {
    if (const auto b = ParseBool(value)) SetEndEllipsis(*b);
  } else if (NameIs(name, u"multiline") || NameIs(name, u"wordbreak")) {
    if (const auto b = ParseBool(value)) SetMultiLine(*b);
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

QColor CLabelUI::StateTextColor() const {
  return ResolvedTextColor();
}

QRect CLabelUI::TextRect() const {
  return rect().marginsRemoved(text_padding_);
}

QString CLabelUI::DrawableText(const QString& text, const QFont& font) {
  QString shown;
  shown.reserve(text.size());
  const QFontMetrics metrics(font);
  for (const QChar c : text) {
    if (c.decompositionTag() != QChar::Wide || metrics.inFontUcs4(c.unicode())) {
      shown += c;
      continue;
    }
    // A wide form the font lacks would be drawn as a box: draw its normal form, and give wide punctuation the
    // room it takes.
    shown += c.decomposition();
    if (c.isPunct()) shown += u' ';
  }
  return shown;
}

void CLabelUI::PaintText(QPainter& painter) {
  // Texts may carry "\r\n" line ends; drawn, they are plain line breaks.
  QString text = GetText();
  if (text.isEmpty()) return;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  const QRect r = TextRect();
  if (r.width() <= 0 || r.height() <= 0) return;
  painter.save();
  painter.setFont(ResolvedFont());
  text = DrawableText(text, painter.font());
  painter.setPen(StateTextColor());
  if (multi_line_ || text.contains(u'\n')) {
    painter.drawText(r, align_.toInt() | Qt::TextWordWrap, text);
  } else {
    const QString shown =
        end_ellipsis_ ? QFontMetrics(painter.font()).elidedText(text, Qt::ElideRight, r.width()) : text;
    painter.drawText(r, align_.toInt() | Qt::TextSingleLine, shown);
  }
  painter.restore();
}

}  // namespace torvane::toolkit

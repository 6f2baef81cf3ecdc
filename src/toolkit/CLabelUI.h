#pragma once

#include "toolkit/CControlUI.h"

namespace torvane::toolkit {

// A control that shows its text: "align" (left, center, right, top, vcenter, bottom), "textpadding", and
// "endellipsis" (on by default: a single line too long for the control ends in "..."). Text with line breaks,
// or with "multiline" set, wraps at word boundaries.
class CLabelUI : public CControlUI {
 public:
  explicit CLabelUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  Qt::Alignment GetTextAlign() const { return align_; }
  void SetTextAlign(Qt::Alignment align);
  QMargins GetTextPadding() const { return text_padding_; }
  void SetTextPadding(const QMargins& padding);
  bool IsEndEllipsis() const { return end_ellipsis_; }
  void SetEndEllipsis(bool on);
  bool IsMultiLine() const { return multi_line_; }
  void SetMultiLine(bool on);

  void SetAttribute(const QString& name, const QString& value) override;

  // Parses "left", "center", "right", "top", "vcenter", "bottom" words (any separators) into an alignment,
  // keeping the axis a value does not mention from `base`.
  static Qt::Alignment ParseAlign(QStringView value, Qt::Alignment base);

  // The text as it is drawn in `font`: wide (fullwidth) forms the font has no glyph for become their normal
  // forms, wide punctuation followed by a blank. The control's text itself is left as it is.
  static QString DrawableText(const QString& text, const QFont& font);

 protected:
  void PaintText(QPainter& painter) override;
  // The colour the text is drawn in for the control's present state.
  virtual QColor StateTextColor() const;
  QRect TextRect() const;

 private:
  Qt::Alignment align_ = Qt::AlignLeft | Qt::AlignVCenter;
  QMargins text_padding_;
  bool end_ellipsis_ = true;
  bool multi_line_ = false;
};

}  // namespace torvane::toolkit

#include "toolkit/SheetLooks.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

#include <memory>

namespace torvane::toolkit {

namespace {

// A line edit's style that asks a line edit carrying the sheet for everything the sheet decides.
class LineEditLookStyle : public QProxyStyle {
 public:
  explicit LineEditLookStyle(QLineEdit& look) : look_(look) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* /*widget*/) const override {
    look_.style()->drawPrimitive(element, option, painter, &look_);
  }
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* /*widget*/) const override {
    look_.style()->drawControl(element, option, painter, &look_);
  }
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* /*widget*/) const override {
    return look_.style()->subElementRect(element, option, &look_);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* /*widget*/) const override {
    return look_.style()->pixelMetric(metric, option, &look_);
  }
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* /*widget*/,
                QStyleHintReturn* data) const override {
    return look_.style()->styleHint(hint, option, &look_, data);
  }
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* /*widget*/) const override {
    return look_.style()->sizeFromContents(type, option, size, &look_);
  }

 private:
  QLineEdit& look_;
};

struct LineEditLook {
  QLineEdit edit;
  LineEditLookStyle style{edit};
};

struct Looks {
  QHash<QString, QComboBox*> combos;
  QHash<QString, LineEditLook*> line_edits;
};

Looks& TheLooks() {
  static Looks looks;
  return looks;
}

// Widgets and the styles of widgets go before the application does.
void DeleteLooks() {
  Looks& looks = TheLooks();
  qDeleteAll(looks.combos);
  looks.combos.clear();
  qDeleteAll(looks.line_edits);
  looks.line_edits.clear();
}

// The look carrying `sheet`, made (never shown: it only lends its styled self to the style's rules) on first use.
template <class Look>
Look& LookOf(QHash<QString, Look*>& looks, const QString& sheet, QWidget& (*carrier)(Look&)) {
  if (const auto it = looks.constFind(sheet); it != looks.constEnd()) return **it;
  const Looks& all = TheLooks();
  if (all.combos.isEmpty() && all.line_edits.isEmpty()) qAddPostRoutine(DeleteLooks);
  auto* look = new Look;
  carrier(*look).setStyleSheet(sheet);
  carrier(*look).ensurePolished();
  looks.insert(sheet, look);
  return *look;
}

QWidget& ComboCarrier(QComboBox& combo) {
  return combo;
}

QWidget& LineEditCarrier(LineEditLook& look) {
  return look.edit;
}

}  // namespace

void PaintComboLook(QPainter& painter, const QStyleOptionComboBox& option, const QString& sheet) {
  QComboBox& look = LookOf(TheLooks().combos, sheet, ComboCarrier);
  QStyle* style = look.style();
  style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, &look);
  // A name longer than the field ends in an ellipsis rather than being cut off mid-letter.
  QStyleOptionComboBox label = option;
  const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &look);
  label.currentText = option.fontMetrics.elidedText(option.currentText, Qt::ElideRight, field.width());
  style->drawControl(QStyle::CE_ComboBoxLabel, &label, &painter, &look);
}

void UseLineEditLook(QLineEdit& edit, const QString& sheet) {
  LineEditLook& look = LookOf(TheLooks().line_edits, sheet, LineEditCarrier);
  // The palette and hover tracking are what the sheet's polish would have given the edit itself.
  edit.setAttribute(Qt::WA_Hover);
  edit.setPalette(look.edit.palette());
  if (edit.style() != &look.style) edit.setStyle(&look.style);
}

}  // namespace torvane::toolkit

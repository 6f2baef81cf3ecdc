#include "toolkit/ComboLook.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace torvane::toolkit {

namespace {

QHash<QString, QComboBox*>& Looks() {
  static QHash<QString, QComboBox*> looks;
  return looks;
}

// Widgets go before the application does.
void DeleteLooks() {
  qDeleteAll(Looks());
  Looks().clear();
}

QComboBox& LookOf(const QString& sheet) {
  QHash<QString, QComboBox*>& looks = Looks();
  if (const auto it = looks.constFind(sheet); it != looks.constEnd()) return **it;
  if (looks.isEmpty()) qAddPostRoutine(DeleteLooks);
  // Never shown: it only lends its styled self to the style's rules.
  auto* look = new QComboBox;
  look->setStyleSheet(sheet);
  looks.insert(sheet, look);
  return *look;
}

}  // namespace

void PaintComboLook(QPainter& painter, const QStyleOptionComboBox& option, const QString& sheet) {
  QComboBox& look = LookOf(sheet);
  QStyle* style = look.style();
  style->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, &look);
  style->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, &look);
}

}  // namespace torvane::toolkit

#pragma once

#include <QAccessibleWidget>
#include <QVariant>

namespace torvane::toolkit {

class CControlUI;

// Describes the toolkit's windowless-looking controls to assistive technology with the role, state and actions
// of their kind: buttons press, options check, labels are static text, lists hold selectable items whose
// press action activates them; progress bars and charts carry their value. Controls without a kind of their own
// keep Qt's plain widget description.
class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  ControlAccessible(CControlUI* control, QAccessible::Role role);

  // Registers the description with Qt's accessibility once per process.
  static void EnsureInstalled();

  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // A progress bar reads out how far it has come; the player sets no value through it.
  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  static QAccessibleInterface* Describe(const QString& class_name, QObject* object);
  CControlUI* Control() const;
};

}  // namespace torvane::toolkit

#pragma once

#include <QAccessibleWidget>

namespace torvane::toolkit {

class CControlUI;

// Describes the toolkit's windowless-looking controls to assistive technology with the role, state and actions
// of their kind: buttons press, options check, labels are static text, lists hold selectable items whose
// press action activates them; charts carry their focused point's value. Controls without a kind of their own keep Qt's
// plain widget description.
class ControlAccessible : public QAccessibleWidget {
 public:
  ControlAccessible(CControlUI* control, QAccessible::Role role);

  // Registers the description with Qt's accessibility once per process.
  static void EnsureInstalled();

  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 private:
  static QAccessibleInterface* Describe(const QString& class_name, QObject* object);
  CControlUI* Control() const;
};

}  // namespace torvane::toolkit

#include "toolkit/ControlAccessible.h"

#include "toolkit/CButtonUI.h"
#include "toolkit/CChartUI.h"
#include "toolkit/ChartAccessible.h"
#include "toolkit/CControlUI.h"
#include "toolkit/CListContainerElementUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/CProgressUI.h"
#include "toolkit/IListOwnerUI.h"

#include <optional>

namespace torvane::toolkit {

namespace {

std::optional<QAccessible::Role> RoleOf(const CControlUI* control) {
  if (const auto* option = dynamic_cast<const COptionUI*>(control)) {
    return option->GetGroup().isEmpty() ? QAccessible::CheckBox : QAccessible::RadioButton;
  }
  if (dynamic_cast<const CButtonUI*>(control)) return QAccessible::Button;
  if (dynamic_cast<const CProgressUI*>(control)) return QAccessible::ProgressBar;
  if (dynamic_cast<const CLabelUI*>(control)) return QAccessible::StaticText;
  if (dynamic_cast<const CListContainerElementUI*>(control)) return QAccessible::ListItem;
  if (dynamic_cast<const IListOwnerUI*>(control)) return QAccessible::List;
  return std::nullopt;
}

}  // namespace

ControlAccessible::ControlAccessible(CControlUI* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

void ControlAccessible::EnsureInstalled() {
  QAccessible::installFactory(&ControlAccessible::Describe);  // installing again does nothing
}

QAccessibleInterface* ControlAccessible::Describe(const QString& /*class_name*/, QObject* object) {
  auto* control = dynamic_cast<CControlUI*>(object);
  if (!control) return nullptr;
  if (auto* chart = dynamic_cast<CChartUI*>(control)) return new ChartAccessible(chart);
  const auto role = RoleOf(control);
  return role ? new ControlAccessible(control, *role) : nullptr;
}

CControlUI* ControlAccessible::Control() const {
  return static_cast<CControlUI*>(widget());
}

QAccessible::State ControlAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (const auto* option = dynamic_cast<const COptionUI*>(Control())) {
    state.checkable = true;
    state.checked = option->IsSelected();
  } else if (const auto* item = dynamic_cast<const CListContainerElementUI*>(Control())) {
    state.selectable = true;
    state.selected = item->IsSelected();
  }
  return state;
}

QString ControlAccessible::text(QAccessible::Text kind) const {
  QString text = QAccessibleWidget::text(kind);
  if (kind == QAccessible::Name && text.isEmpty()) {
    // A button drawn without text (the close cross) is named by its tip.
    text = Control()->GetText().isEmpty() ? Control()->GetToolTip() : Control()->GetText();
  }
  return text;
}

QStringList ControlAccessible::actionNames() const {
  QStringList names = QAccessibleWidget::actionNames();
  if (dynamic_cast<const CButtonUI*>(Control())) {
    names.prepend(pressAction());
  } else if (dynamic_cast<const CListContainerElementUI*>(Control())) {
    names.prepend(pressAction());
    names.prepend(toggleAction());
  }
  return names;
}

void ControlAccessible::doAction(const QString& action) {
  if (auto* button = dynamic_cast<CButtonUI*>(Control()); button && action == pressAction()) {
    button->Activate();
    return;
  }
  if (auto* item = dynamic_cast<CListContainerElementUI*>(Control()); item && item->GetOwner()) {
    if (action == pressAction()) {
      item->GetOwner()->ActivateItem(item->GetIndex());
      return;
    }
    if (action == toggleAction()) {
      item->GetOwner()->SelectItem(item->GetIndex(), true);
      return;
    }
  }
  QAccessibleWidget::doAction(action);
}

}  // namespace torvane::toolkit

#include "toolkit/ControlAccessible.h"

#include "toolkit/CButtonUI.h"
#include "toolkit/CChartUI.h"
#include "toolkit/CControlUI.h"
#include "toolkit/CListContainerElementUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/CProgressUI.h"
#include "toolkit/ChartAccessible.h"
#include "toolkit/IListOwnerUI.h"
#include "toolkit/WindowImplBase.h"

#include <QPointer>

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

// A toolkit window: a dialog is announced by what its title bar says, not by its window text, which for most
// dialogs is the name of their kind.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(WindowImplBase* window)
      : QAccessibleWidget(
            window, window->GetKind() == WindowImplBase::Kind::kMain ? QAccessible::Window : QAccessible::Dialog) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const WindowImplBase*>(widget())->GetTitleText();
    return QAccessibleWidget::text(kind);
  }
};

}  // namespace

ControlAccessible::ControlAccessible(CControlUI* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

void ControlAccessible::EnsureInstalled() {
  QAccessible::installFactory(&ControlAccessible::Describe);  // installing again does nothing
}

QAccessibleInterface* ControlAccessible::Describe(const QString& /*class_name*/, QObject* object) {
  // Frameless windows look alike to Qt; a screen reader must still tell a dialog from the main window.
  if (auto* window = dynamic_cast<WindowImplBase*>(object)) return new WindowAccessible(window);
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
  // A control a modal dialog covers refuses what the bus asks as it refuses a click.
  if (WindowImplBase::IsBehindModal(Control())) return;
  // Carried out on the next pass of the event loop: a press may open a modal dialog, and the assistive tool
  // waiting for the action's reply would otherwise wait for the dialog to close.
  const QPointer<CControlUI> control = Control();
  if (dynamic_cast<CButtonUI*>(control.data()) && action == pressAction()) {
    QMetaObject::invokeMethod(
        control,
        [control] {
          // A dialog opened meanwhile covers the control now.
          if (!WindowImplBase::IsBehindModal(control)) static_cast<CButtonUI*>(control.data())->Activate();
        },
        Qt::QueuedConnection);
    return;
  }
  if (auto* item = dynamic_cast<CListContainerElementUI*>(control.data()); item && item->GetOwner()) {
    if (action == pressAction() || action == toggleAction()) {
      const bool press = action == pressAction();
      QMetaObject::invokeMethod(
          control,
          [control, press] {
            auto* element = static_cast<CListContainerElementUI*>(control.data());
            if (element->GetOwner() == nullptr || WindowImplBase::IsBehindModal(element)) return;
            if (press) {
              element->GetOwner()->ActivateItem(element->GetIndex());
            } else {
              element->GetOwner()->SelectItem(element->GetIndex(), true);
            }
          },
          Qt::QueuedConnection);
      return;
    }
  }
  QAccessibleWidget::doAction(action);
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface && dynamic_cast<CProgressUI*>(Control())) {
    return static_cast<QAccessibleValueInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

namespace {
const CProgressUI* Progress(const CControlUI* control) {
  return dynamic_cast<const CProgressUI*>(control);
}
}  // namespace

QVariant ControlAccessible::currentValue() const {
  const CProgressUI* progress = Progress(Control());
  return progress ? QVariant(progress->GetValue()) : QVariant();
}

void ControlAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant ControlAccessible::maximumValue() const {
  const CProgressUI* progress = Progress(Control());
  return progress ? QVariant(progress->GetMaxValue()) : QVariant();
}

QVariant ControlAccessible::minimumValue() const {
  const CProgressUI* progress = Progress(Control());
  return progress ? QVariant(progress->GetMinValue()) : QVariant();
}

QVariant ControlAccessible::minimumStepSize() const {
  return QVariant(1);
}

}  // namespace torvane::toolkit

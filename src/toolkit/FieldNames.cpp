#include "toolkit/FieldNames.h"

#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CContainerUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CLabelUI.h"

#include <QComboBox>
#include <QLineEdit>

namespace torvane::toolkit {

namespace {

// "Strength  Percentage:" is read as "Strength Percentage".
QString LabelName(const QString& text) {
  QString name = text.simplified();
  while (name.endsWith(u':')) name.chop(1);
  return name.trimmed();
}

QWidget* FieldWidget(CControlUI* control) {
  if (auto* edit = dynamic_cast<CEditUI*>(control)) return edit->GetLineEdit();
  if (auto* combo = dynamic_cast<CComboUI*>(control)) return combo->GetComboBox();
  return nullptr;
}

void NameChildren(CContainerUI& container) {
  QString label;
  for (int i = 0; i < container.GetCount(); ++i) {
    CControlUI* child = container.GetItemAt(i);
    if (auto* inner = dynamic_cast<CContainerUI*>(child)) {
      NameChildren(*inner);
      label.clear();
      continue;
    }
    if (QWidget* field = FieldWidget(child)) {
      if (field->accessibleName().isEmpty()) {
        const QString name = child->GetToolTip().isEmpty() ? label : child->GetToolTip();
        if (!name.isEmpty()) field->setAccessibleName(name);
      }
      label.clear();
    } else if (dynamic_cast<CLabelUI*>(child) && !dynamic_cast<CButtonUI*>(child)) {
      // Only the label right before a field names it; a hint after one names nothing.
      label = LabelName(child->GetText());
    } else {
      label.clear();
    }
  }
}

}  // namespace

QString LabelBefore(const CControlUI& control) {
  const auto* row = dynamic_cast<const CContainerUI*>(control.GetParentControl());
  const int index = row != nullptr ? row->GetItemIndex(&control) : -1;
  if (index <= 0) return {};
  const CControlUI* before = row->GetItemAt(index - 1);
  if (dynamic_cast<const CLabelUI*>(before) == nullptr || dynamic_cast<const CButtonUI*>(before) != nullptr) return {};
  return LabelName(before->GetText());
}

void NameFieldsByTheirLabels(CControlUI* root) {
  if (auto* container = dynamic_cast<CContainerUI*>(root)) {
    NameChildren(*container);
  } else if (QWidget* field = FieldWidget(root); field && field->accessibleName().isEmpty()) {
    field->setAccessibleName(root->GetToolTip());
  }
}

}  // namespace torvane::toolkit

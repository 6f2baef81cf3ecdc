#include "toolkit/CListLabelElementUI.h"

#include "toolkit/AttributeValues.h"

namespace torvane::toolkit {

QString CListLabelElementUI::GetClass() const {
  return QStringLiteral("ListLabelElementUI");
}

void CListLabelElementUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"selected")) {
    if (const auto b = ParseBool(value)) selected_ = *b;
  } else {
    CLabelUI::SetAttribute(name, value);
  }
}

}  // namespace torvane::toolkit

#include "toolkit/CTabLayoutUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CPaintManagerUI.h"

namespace torvane::toolkit {

QString CTabLayoutUI::GetClass() const {
  return QStringLiteral("TabLayoutUI");
}

void CTabLayoutUI::ShowOnly(int index) {
  for (int i = 0; i < GetCount(); ++i) GetItemAt(i)->SetVisible(i == index);
  NeedUpdate();
}

bool CTabLayoutUI::SelectItem(int index) {
  if (index < 0 || index >= GetCount()) return false;
  if (GetManager() != nullptr) GetManager()->BuildDeferred(GetItemAt(index));
  cur_sel_ = index;
  ShowOnly(index);
  return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* page) {
  return SelectItem(GetItemIndex(page));
}

bool CTabLayoutUI::Add(CControlUI* control) {
  return AddAt(control, GetCount());
}

bool CTabLayoutUI::AddAt(CControlUI* control, int index) {
  if (!CContainerUI::AddAt(control, index)) return false;
  if (cur_sel_ >= 0 && index <= cur_sel_) ++cur_sel_;
  if (cur_sel_ < 0 && initial_sel_ < GetCount()) cur_sel_ = initial_sel_;
  ShowOnly(cur_sel_);
  return true;
}

bool CTabLayoutUI::RemoveAt(int index) {
  if (!CContainerUI::RemoveAt(index)) return false;
  if (GetCount() == 0) {
    cur_sel_ = -1;
  } else if (index < cur_sel_ || cur_sel_ >= GetCount()) {
    --cur_sel_;
  }
  if (cur_sel_ >= 0) ShowOnly(cur_sel_);
  return true;
}

void CTabLayoutUI::RemoveAll() {
  CContainerUI::RemoveAll();
  cur_sel_ = -1;
}

void CTabLayoutUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"selectedid")) {
    // Pages usually do not exist yet while the layout is read; the page is shown once it is added.
    if (const auto v = ParseInt(value); v && *v >= 0) {
      initial_sel_ = *v;
      if (!SelectItem(*v)) cur_sel_ = -1;
    }
  } else {
    CContainerUI::SetAttribute(name, value);
  }
}

}  // namespace torvane::toolkit

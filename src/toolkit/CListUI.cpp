#include "toolkit/CListUI.h"

namespace torvane::toolkit {

CListUI::CListUI(QWidget* parent) : CListOwnerUI<CVerticalLayoutUI>(parent) {
  setFocusPolicy(Qt::NoFocus);
}

QString CListUI::GetClass() const {
  return QStringLiteral("ListUI");
}

}  // namespace torvane::toolkit

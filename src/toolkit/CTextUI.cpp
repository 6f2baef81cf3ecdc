#include "toolkit/CTextUI.h"

namespace torvane::toolkit {

CTextUI::CTextUI(QWidget* parent) : CLabelUI(parent) {
  SetMultiLine(true);
  SetTextAlign(Qt::AlignLeft | Qt::AlignTop);
}

QString CTextUI::GetClass() const {
  return QStringLiteral("TextUI");
}

}  // namespace torvane::toolkit

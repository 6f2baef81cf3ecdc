#include "editor/KeyButtons.h"

#include <QString>

#include <algorithm>

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/keys/KeyClass.h"
#include "model/keys/KeyName.h"
#include "model/tables/TableMessages.h"
#include "toolkit/CControlUI.h"
#include "toolkit/FieldNames.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

void ShowKey(toolkit::CControlUI& button, std::uint8_t code) {
  // Announced as what the button drives and the key it holds. What it drives is taken once, before a key first
  // replaces the layout's text: the label before it in its row, else that text (the controller drawing's buttons
  // carry the console button's name), else its tip.
  if (button.GetAccessibleLabel().isEmpty()) {
    QString label = toolkit::LabelBefore(button);
    if (label.isEmpty()) label = button.GetText();
    if (label.isEmpty()) label = button.GetToolTip();
    button.SetAccessibleLabel(label);
  }
  const auto icon = model::KeyClassIcon(model::KeyClass(code));
  // The class image sits in a square at the left; the name gets the rest (the layout pads the text past it).
  // A dialog fills its buttons before its layout has sized them, so the layout's height counts first.
  const int height = button.GetFixedHeight() > 0 ? button.GetFixedHeight() : button.height();
  const int side = std::max(0, std::min(height - 8, 20));
  button.SetBkImage(QStringLiteral("file='%1' dest='6,%2,%3,%4'")
                        .arg(QString::fromUtf8(icon))
                        .arg((height - side) / 2)
                        .arg(6 + side)
                        .arg((height + side) / 2));
  button.SetText(QString::fromUtf8(model::KeyName(code)));
}

bool ConfirmTakenKey(toolkit::WindowImplBase& owner) {
  const int answer = dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &owner,
                                             QString::fromUtf8(model::kMsgKeyTaken), dialogs::kMbYesNo);
  return answer != dialogs::kIdNo;
}

}  // namespace torvane::editor

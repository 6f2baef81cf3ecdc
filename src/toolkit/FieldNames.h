#pragma once

#include <QString>

namespace torvane::toolkit {

class CControlUI;

// Gives every edit and combo box below `root` an accessible name, so a screen reader can say what a field is for:
// its tip when the layout gives one, otherwise the text of the label that stands before it in its row.
void NameFieldsByTheirLabels(CControlUI* root);

// The text of the label that stands right before `control` in its row, read as a name ("Up:" is "Up"); empty when
// none does.
QString LabelBefore(const CControlUI& control);

}  // namespace torvane::toolkit

#pragma once

namespace torvane::toolkit {

class CControlUI;

// Gives every edit and combo box below `root` an accessible name, so a screen reader can say what a field is for:
// its tip when the layout gives one, otherwise the text of the label that stands before it in its row.
void NameFieldsByTheirLabels(CControlUI* root);

}  // namespace torvane::toolkit

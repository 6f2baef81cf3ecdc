#pragma once

#include <QStringView>

namespace torvane::toolkit {

class CControlUI;

// The toolkit's own control for a layout element name (compared without regard to case), or nullptr:
// Control, Container, VerticalLayout, HorizontalLayout, TabLayout, TileLayout, Label, Text, Button, Option,
// CheckBox, Edit, RichEdit, Combo, List, ListContainerElement, ListLabelElement, Progress, Chart.
CControlUI* CreateBuiltinControl(QStringView element_name);

}  // namespace torvane::toolkit

#pragma once

#include <QString>

class QPainter;
class QStyleOptionComboBox;

namespace torvane::toolkit {

// Paints a combo box as one carrying `sheet` as its style sheet is painted, through one hidden combo per sheet
// that carries it. A sheet of each combo's own costs it a parse, a polish and a drop-down list made at once: on a
// page of hundreds of combos that is most of what the page costs.
void PaintComboLook(QPainter& painter, const QStyleOptionComboBox& option, const QString& sheet);

}  // namespace torvane::toolkit

#pragma once

#include <QString>

class QLineEdit;
class QPainter;
class QStyleOptionComboBox;

namespace torvane::toolkit {

// Controls that look as if they carried a style sheet, without carrying one: a hidden control of the kind carries
// each sheet once, and its style paints and measures them all. A sheet of each control's own costs it a parse and a
// polish (and a combo its drop-down list, made at once): on a page of hundreds of fields that is most of what the
// page costs.

// Paints a combo box as one carrying `sheet` is painted.
void PaintComboLook(QPainter& painter, const QStyleOptionComboBox& option, const QString& sheet);

// Gives `edit` the style and the palette under which a line edit carrying `sheet` paints and lays out its text.
void UseLineEditLook(QLineEdit& edit, const QString& sheet);

}  // namespace torvane::toolkit

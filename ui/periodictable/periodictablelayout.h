#pragma once

#include "catalogue/elements.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>

// Where the parts of the table go, in design units: one unit is one pixel when the table is shown
// at its natural size.
namespace PeriodicTableLayout {

inline constexpr QSizeF DesignSize(608, 375);

// The cell's whole slot; neighbouring slots touch.
QRectF cellSlot(Elements::GridCell cell);

// The coloured face of a cell: its slot less a one-unit seam of ground at the left and top.
QRectF cellFace(Elements::GridCell cell);

// A strip just above the group's topmost element.
QRectF groupNumberRect(int group);

// The faces of the cells in group 3 that stand for the lanthanide and actinide rows.
QRectF lanthanidePlaceholder();
QRectF actinidePlaceholder();

// Joins the placeholders to the two rows below the main table; drawn with a two-unit pen, its
// lines lie on whole units so that they stay sharp.
QPainterPath seriesBracket();

} // namespace PeriodicTableLayout

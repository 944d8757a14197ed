#pragma once

class QPainter;

// Paints the periodic table in the design units of PeriodicTableLayout onto a ground the caller
// has laid.
namespace TablePainter {

void paint(QPainter &painter);

} // namespace TablePainter

#pragma once

#include "catalogue/elements.h"

#include <QColor>

#include <optional>

// How the table colours its cells: the fill tells the family, the symbol's colour the state.
namespace ElementColours {

QColor ground();
QColor family(ElementFamily family);

// The colour for plain text on a cell: dark on light cells, light on dark ones.
QColor ink(const QColor &cell);

QColor symbol(ElementState state, const QColor &cell);

// An outline that keeps a symbol readable where its colour is too close to the cell's.
std::optional<QColor> halo(const QColor &text, const QColor &cell);

} // namespace ElementColours

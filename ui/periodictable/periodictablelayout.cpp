#include "ui/periodictable/periodictablelayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr QPointF Origin(7, 18);
constexpr QSizeF SlotSize(33, 36);
constexpr qreal SeriesGap = 12; // between the main table and the lanthanide row
constexpr qreal GroupNumberHeight = 12;

int topRow(int group) {
    int top = Elements::MainRows;
    for (const Element &element : Elements::all()) {
        if (element.group == group)
            top = std::min(top, Elements::gridCell(element).row);
    }
    return top;
}

qreal rowTop(int row) {
    const qreal gap = row >= Elements::LanthanideRow ? SeriesGap : 0;
    return Origin.y() + row * SlotSize.height() + gap;
}

// A series is referred to from group 3 of its own period.
Elements::GridCell placeholderFor(int firstOfSeries) {
    return {Elements::SeriesPlaceholderColumn, Elements::byNumber(firstOfSeries).period - 1};
}

} // namespace

namespace PeriodicTableLayout {

QRectF cellSlot(Elements::GridCell cell) {
    return QRectF(QPointF(Origin.x() + cell.column * SlotSize.width(), rowTop(cell.row)), SlotSize);
}

QRectF cellFace(Elements::GridCell cell) {
    return cellSlot(cell).adjusted(1, 1, 0, 0);
}

QRectF groupNumberRect(int group) {
    const QRectF top = cellSlot({group - 1, topRow(group)});
    return QRectF(top.left(), top.top() - GroupNumberHeight, top.width(), GroupNumberHeight);
}

QRectF lanthanidePlaceholder() {
    return cellFace(placeholderFor(Elements::FirstLanthanide));
}

QRectF actinidePlaceholder() {
    return cellFace(placeholderFor(Elements::FirstActinide));
}

QPainterPath seriesBracket() {
    const auto armHeight = [](int row) {
        return std::round(cellFace({Elements::FirstInnerTransitionColumn, row}).center().y());
    };
    const qreal spine = std::round(actinidePlaceholder().center().x());
    const qreal rowsLeft =
        cellFace({Elements::FirstInnerTransitionColumn, Elements::LanthanideRow}).left();

    QPainterPath bracket(QPointF(spine, actinidePlaceholder().bottom()));
    bracket.lineTo(spine, armHeight(Elements::ActinideRow));
    bracket.lineTo(rowsLeft, armHeight(Elements::ActinideRow));
    bracket.moveTo(spine, armHeight(Elements::LanthanideRow));
    bracket.lineTo(rowsLeft, armHeight(Elements::LanthanideRow));
    return bracket;
}

} // namespace PeriodicTableLayout

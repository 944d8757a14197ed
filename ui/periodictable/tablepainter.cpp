#include "ui/periodictable/tablepainter.h"

#include "ui/periodictable/elementcolours.h"
#include "ui/periodictable/periodictablelayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr qreal TextInset = 2;
constexpr qreal ChargesGap = 1.5; // between the atomic number and the charges
constexpr qreal NumberStripHeight = 10;
constexpr qreal SymbolBaseline = 27; // from the top of the face

QFont cellFont(int pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont chargesFont() {
    QFont font = cellFont(8);
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans")});
    return font;
}

// A substituted font may run wider than the room a label was laid out for; squeezing it
// keeps the text inside its cell rather than spilling into the neighbour.
void drawFittedText(QPainter &painter, const QRectF &room, Qt::Alignment alignment,
                    const QString &text) {
    const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    if (width <= room.width()) {
        painter.drawText(room, int(alignment), text);
        return;
    }
    painter.save();
    painter.translate(room.left(), 0);
    painter.scale(room.width() / width, 1);
    painter.drawText(QRectF(0, room.top(), width, room.height()),
                     int((alignment & Qt::AlignVertical_Mask) | Qt::AlignLeft), text);
    painter.restore();
}

void paintFace(QPainter &painter, const QRectF &face, const QColor &fill) {
    painter.setPen(QPen(fill.darker(170), 1));
    painter.setBrush(fill);
    painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintSymbol(QPainter &painter, const QRectF &face, const Element &element,
                 const QColor &fill) {
    const QFont font = cellFont(15, QFont::Bold);
    const QString symbol = element.symbol;
    const qreal width = QFontMetricsF(font).horizontalAdvance(symbol);
    const qreal squeeze = std::min(1.0, (face.width() - 2 * TextInset) / width);

    QPainterPath glyphs;
    glyphs.addText(0, 0, font, symbol);
    const QTransform place = QTransform::fromTranslate(face.center().x() - width * squeeze / 2,
                                                       face.top() + SymbolBaseline)
                                 .scale(squeeze, 1);
    glyphs = place.map(glyphs);

    const QColor colour = ElementColours::symbol(element.state, fill);
    if (const auto halo = ElementColours::halo(colour, fill))
        painter.strokePath(glyphs, QPen(*halo, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(glyphs, colour);
}

void paintCell(QPainter &painter, const Element &element) {
    const QRectF face = PeriodicTableLayout::cellFace(Elements::gridCell(element));
    const QColor fill = ElementColours::family(element.family);
    paintFace(painter, face, fill);

    const QRectF strip(face.left() + TextInset, face.top() + 1, face.width() - 2 * TextInset,
                       NumberStripHeight);
    const QString number = QString::number(element.number);
    painter.setPen(ElementColours::ink(fill));
    painter.setFont(cellFont(8));
    painter.drawText(strip, Qt::AlignLeft | Qt::AlignTop, number);
    if (!element.charges.isEmpty()) {
        const qreal numberWidth = QFontMetricsF(painter.font()).horizontalAdvance(number);
        painter.setFont(chargesFont());
        drawFittedText(painter, strip.adjusted(numberWidth + ChargesGap, 0, 0, 0),
                       Qt::AlignRight | Qt::AlignTop, element.charges);
    }
    paintSymbol(painter, face, element, fill);
}

void paintGroupNumbers(QPainter &painter) {
    painter.setPen(QColor(64, 64, 64));
    painter.setFont(cellFont(9));
    for (int group = 1; group <= Elements::GridColumns; ++group)
        painter.drawText(PeriodicTableLayout::groupNumberRect(group), Qt::AlignCenter,
                         QString::number(group));
}

void paintPlaceholder(QPainter &painter, const QRectF &face, ElementFamily series, int first,
                      int last) {
    const QColor fill = ElementColours::family(series);
    paintFace(painter, face, fill);
    painter.setPen(ElementColours::ink(fill));
    painter.setFont(cellFont(8, QFont::Bold));
    drawFittedText(painter, face.adjusted(TextInset, 0, -TextInset, 0), Qt::AlignCenter,
                   QStringLiteral("%1-%2").arg(first).arg(last));
}

void paintSeries(QPainter &painter) {
    paintPlaceholder(painter, PeriodicTableLayout::lanthanidePlaceholder(),
                     ElementFamily::Lanthanide, Elements::FirstLanthanide,
                     Elements::LastLanthanide);
    paintPlaceholder(painter, PeriodicTableLayout::actinidePlaceholder(), ElementFamily::Actinide,
                     Elements::FirstActinide, Elements::LastActinide);
    painter.strokePath(PeriodicTableLayout::seriesBracket(),
                       QPen(QColor(64, 64, 64), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

} // namespace

namespace TablePainter {

void paint(QPainter &painter) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintGroupNumbers(painter);
    for (const Element &element : Elements::all())
        paintCell(painter, element);
    paintSeries(painter);
    painter.restore();
}

} // namespace TablePainter

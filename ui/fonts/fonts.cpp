#include "ui/fonts/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace {

struct FamilyKind {
    QStringList substitutes; // installed look-alikes, best first
    QFont::StyleHint hint = QFont::AnyStyle;
    bool fixedPitch = false;
};

FamilyKind kindOf(const QString &family) {
    const QString name = family.toCaseFolded();
    if (name == QLatin1String("lucida console"))
        return {{"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono"}, QFont::TypeWriter, true};
    if (name == QLatin1String("lucida sans"))
        return {{"DejaVu Sans", "Bitstream Vera Sans", "Verdana"}, QFont::SansSerif};
    // Arial's metric twin; the other two sans faces are close enough to Arial's widths.
    if (name == QLatin1String("arial") || name == QLatin1String("ms sans serif") ||
        name == QLatin1String("trebuchet ms"))
        return {{"Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"}, QFont::SansSerif};
    return {};
}

QFont withSize(QFont font, qreal pointSize, QFont::Weight weight) {
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace

namespace Fonts {

QFont resolve(const QString &family, qreal pointSize, QFont::Weight weight, QPaintDevice *device) {
    const FamilyKind kind = kindOf(family);
    QFont font;
    font.setFamilies(QStringList{family} + kind.substitutes);
    font.setStyleHint(kind.hint);
    font = withSize(font, pointSize, weight);
    if (kind.fixedPitch && !hasFixedPitch(font, device))
        font = withSize(QFontDatabase::systemFont(QFontDatabase::FixedFont), pointSize, weight);
    return font;
}

bool hasFixedPitch(const QFont &font, QPaintDevice *device) {
    const QFontMetricsF metrics(font, device);
    return qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char('i')),
                         metrics.horizontalAdvance(QLatin1Char('W')));
}

} // namespace Fonts

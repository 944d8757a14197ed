#include "fixedpitchfont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace {

// Measured rather than asked of QFontInfo: fontconfig misreports the pitch of some monospace
// fonts.
bool hasFixedPitch(const QFont &font, QPaintDevice *device) {
    const QFontMetricsF metrics(font, device);
    return qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char('i')),
                         metrics.horizontalAdvance(QLatin1Char('W')));
}

} // namespace

QFont fixedPitchFont(const QString &family, qreal points, QPaintDevice *device) {
    QFont requested(family);
    requested.setStyleHint(QFont::TypeWriter);
    requested.setPointSizeF(points);
    if (hasFixedPitch(requested, device))
        return requested;
    QFont substitute = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    substitute.setPointSizeF(points);
    return substitute;
}

#pragma once

#include <QFont>
#include <QString>

// Fonts asked for by family name, as the windows' layouts give them. A family that is not
// installed is replaced by one of the same kind and similar metrics, so that the text
// keeps roughly the room it was laid out for.
namespace Fonts {

// The device, when given, is the one the text is measured for, such as a printer.
QFont resolve(const QString &family, qreal pointSize, QFont::Weight weight = QFont::Normal,
              QPaintDevice *device = nullptr);

// Measured, not taken from the font's own claim: fontconfig misreports some monospace
// faces.
bool hasFixedPitch(const QFont &font, QPaintDevice *device = nullptr);

} // namespace Fonts

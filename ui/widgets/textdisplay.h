#pragma once

#include <QString>

// The program's texts break their lines with CR LF; Qt's widgets want a bare line feed.
inline QString withDisplayLineBreaks(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

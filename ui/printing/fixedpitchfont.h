#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

// The report's rules line up with its text only when every character is equally wide.
// Returns `family` at `points` when it has a fixed pitch on `device`, otherwise the system's
// fixed-pitch font at that size.
QFont fixedPitchFont(const QString &family, qreal points, QPaintDevice *device);

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

// Splits `text` into lines no wider than `lineWidth` in `font` on `device`. Breaks fall at word
// boundaries where possible, otherwise between characters, so that every line holds at least
// one character and the lines joined give back the whole text. The empty text is one empty line.
QStringList wrapText(const QString &text, const QFont &font, QPaintDevice *device, qreal lineWidth);

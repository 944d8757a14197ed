#pragma once

#include <QString>
#include <QStringList>

// The text of a PDF file as `pdftotext -layout` gives it, pages ended by form feeds; the empty
// text when the file cannot be read. Given the width of a character in points, the text of a
// fixed-pitch print stands in its columns, spaces between words counted exactly.
QString pdfText(const QString &pdfPath, qreal characterWidth = 0);

// The words of a text in order, whatever the spacing and line breaks between them.
QStringList wordsOf(const QString &text);

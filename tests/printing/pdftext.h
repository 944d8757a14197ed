#pragma once

#include <QString>
#include <QStringList>

// The text of a PDF file as `pdftotext -layout` gives it, pages ended by form feeds; the empty
// text when the file cannot be read.
QString pdfText(const QString &pdfPath);

// The words of a text in order, whatever the spacing and line breaks between them.
QStringList wordsOf(const QString &text);

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text rules of ions.dat that hold below the level of entries and sections.

// The file is 8-bit text: UTF-8 when every byte sequence is valid UTF-8 (a leading byte
// order mark is dropped), otherwise the Windows code page 1252 of the classroom PCs.
QString decodeDataFile(const QByteArray &bytes);

// Strips leading and trailing space characters; a tab is kept like any other character.
QStringView trimSpaces(QStringView line);

// Text that converts to a number: optional blanks (spaces, tabs), an optional sign,
// digits with an optional decimal point, an optional exponent, optional blanks. Rarer
// forms (thousands separators, a trailing sign, currency signs, hexadecimal, "inf") are
// not numeric: such fields are dropped whatever this says, and only the warning box
// before the drop depends on it.
bool isNumericText(QStringView text);

// Calls lineHandler(lineNumber, line) for each line, numbered from 1. CR LF, CR alone and
// LF alone each end a line; the last line needs no line end.
template <typename LineHandler> void forEachLine(QStringView text, LineHandler &&lineHandler) {
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lineHandler(++lineNumber, text.sliced(start, end - start));
        const bool crLf = end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n';
        start = end + (crLf ? 2 : 1);
    }
}

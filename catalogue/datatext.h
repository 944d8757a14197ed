#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

// Text rules of ions.dat that hold below the level of entries and sections; the quiz reads
// typed answers by the same rules of spaces and digits.

// The file is 8-bit text: UTF-8 when every byte sequence is valid UTF-8 (a leading byte
// order mark is dropped), otherwise the Windows code page 1252 of the classroom PCs. The
// choice is made once for the whole file; its lines are then decoded one by one into the
// same buffer, so that a long file is never held a second time as text.
class DataFileDecoder {
public:
    explicit DataFileDecoder(QByteArrayView file);

    // The file's bytes, without a byte order mark in front of UTF-8.
    QByteArrayView bytes() const { return m_bytes; }
    // The text of one line of bytes(); valid until the next call.
    QStringView decode(QByteArrayView line);

private:
    QByteArrayView m_bytes;
    QStringDecoder m_decoder;
    QString m_buffer;
};

// Strips leading and trailing space characters; a tab is kept like any other character.
QStringView trimSpaces(QStringView line);

// The digits 0 to 9, of which charge fields are made and which formulas show lowered; not
// the digits of other scripts that QChar::isDigit also takes.
constexpr bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Only the digits 0 to 9; true for the empty text.
bool isDigits(QStringView text);

// Text that converts to a number: optional blanks (spaces, tabs), an optional sign,
// digits with an optional decimal point, an optional exponent, optional blanks. Rarer
// forms (thousands separators, a trailing sign, currency signs, hexadecimal, "inf") are
// not numeric: such fields are dropped whatever this says, and only the warning box
// before the drop depends on it.
bool isNumericText(QStringView text);

// Calls lineHandler(lineNumber, line) for each line of the file's bytes, numbered from 1.
// CR LF, CR alone and LF alone each end a line; the last line needs no line end. The two
// bytes mean the same in UTF-8 and in the code page, and are never part of another character.
template <typename LineHandler> void forEachLine(QByteArrayView bytes, LineHandler &&lineHandler) {
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lineHandler(++lineNumber, bytes.sliced(start, end - start));
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
}

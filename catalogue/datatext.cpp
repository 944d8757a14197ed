#include "catalogue/datatext.h"

#include <QRegularExpression>

#include <algorithm>

DataFileDecoder::DataFileDecoder(QByteArrayView file)
    : m_bytes(file) {
    if (file.isValidUtf8()) {
        // The mark is dropped here, so the decoder must keep whatever it meets.
        if (m_bytes.startsWith("\xEF\xBB\xBF"))
            m_bytes = m_bytes.sliced(3);
        m_decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return;
    }
    m_decoder = QStringDecoder("windows-1252");
    // The code page comes with ICU; a Qt built without it still reads the letters of Latin-1.
    if (!m_decoder.isValid())
        m_decoder = QStringDecoder(QStringDecoder::Latin1);
}

QStringView DataFileDecoder::decode(QByteArrayView line) {
    const qsizetype space = m_decoder.requiredSpace(line.size());
    if (m_buffer.size() < space)
        m_buffer.resize(space);
    QChar *text = m_buffer.data();
    // ASCII, nearly every line, reads the same in both encodings and is widened directly:
    // the decoder's byte-by-byte path costs ten times as much on lines this short.
    qsizetype ascii = 0;
    for (; ascii < line.size() && uchar(line[ascii]) < 0x80; ++ascii)
        text[ascii] = QLatin1Char(line[ascii]);
    if (ascii == line.size())
        return QStringView(text, ascii);
    return QStringView(text, m_decoder.appendToBuffer(text, line));
}

QStringView trimSpaces(QStringView line) {
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && line[start] == u' ')
        ++start;
    while (end > start && line[end - 1] == u' ')
        --end;
    return line.sliced(start, end - start);
}

bool isDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

bool isNumericText(QStringView text) {
    // Plain digits, the charge field of almost every line, need no regular expression.
    if (!text.isEmpty() && isDigits(text))
        return true;
    // Possessive quantifiers keep the match linear on hostile, megabyte-long fields.
    static const QRegularExpression numeric(QStringLiteral(
        R"(\A[ \t]*+[+-]?+(?:[0-9]++(?:\.[0-9]*+)?+|\.[0-9]++)(?:[eE][+-]?+[0-9]++)?+[ \t]*+\z)"));
    return numeric.match(text).hasMatch();
}

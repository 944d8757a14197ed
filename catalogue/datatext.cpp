#include "datatext.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString decodeDataFile(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // The code page comes with ICU; a Qt built without it still reads the letters of Latin-1.
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? QString(windows1252(bytes)) : QString::fromLatin1(bytes);
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

bool isNumericText(QStringView text) {
    // Possessive quantifiers keep the match linear on hostile, megabyte-long fields.
    static const QRegularExpression numeric(QStringLiteral(
        R"(\A[ \t]*+[+-]?+(?:[0-9]++(?:\.[0-9]*+)?+|\.[0-9]++)(?:[eE][+-]?+[0-9]++)?+[ \t]*+\z)"));
    return numeric.match(text).hasMatch();
}

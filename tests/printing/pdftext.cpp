#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>

QString pdfText(const QString &pdfPath, qreal characterWidth) {
    const QStringList layout = characterWidth > 0
                                   ? QStringList{"-fixed", QString::number(characterWidth)}
                                   : QStringList{"-layout"};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), layout + QStringList{pdfPath, "-"});
    if (!pdftotext.waitForFinished(30'000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QStringList wordsOf(const QString &text) {
    static const QRegularExpression whitespace(QStringLiteral("\\s+"));
    return text.split(whitespace, Qt::SkipEmptyParts);
}

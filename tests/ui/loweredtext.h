#pragma once

#include <QTextBlock>
#include <QTextEdit>

// The box's text with every lowered character in brackets: "H[2]O".
inline QString markLowered(const QTextEdit &box) {
    QString marked;
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it) {
        const bool lowered = it.fragment().charFormat().baselineOffset() < 0;
        for (const QChar c : it.fragment().text())
            marked += lowered ? QStringLiteral("[%1]").arg(c) : QString(c);
    }
    return marked;
}

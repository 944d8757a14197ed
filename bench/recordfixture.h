#pragma once

#include "quiz/answerkey.h"
#include "tests/support/core/samplecatalogue.h"
#include "ui/record/recorddatabase.h"

#include <QDir>

// A learning record of `count` tries in the folder, as a student who has practised for months
// leaves it: the compounds of the sample in turn, both ways, ten seconds apart, every fourth try
// wrong. Best made on tmpfs, where the transaction of each try waits for no disk.
inline bool writeRecordOf(int count, const QString &folder) {
    RecordDatabase record(QStringLiteral("fixture"));
    if (record.open(folder).access != RecordDatabase::Access::Writable)
        return false;
    const QList<Question> key = answerKeyQuestions(loadSampleCatalogue());
    const QDateTime start = QDateTime::currentDateTimeUtc().addSecs(-10LL * count);
    for (int n = 0; n < count; ++n) {
        const Question &question = key[n % key.size()];
        Attempt tried;
        tried.time = start.addSecs(10LL * n);
        tried.series = n / 25 + 1;
        tried.question = n % 20 + 1;
        tried.kind = question.kind;
        tried.askName = n % 2;
        tried.shown = tried.askName ? question.formula : question.compoundName;
        tried.expected = tried.askName ? question.compoundName : question.formula;
        const bool wrong = n % 4 == 0;
        tried.typed = wrong ? tried.expected.chopped(1) : tried.expected;
        tried.verdict = wrong ? Verdict::Wrong : Verdict::Right;
        tried.category = wrong ? QStringLiteral("misspelt") : QString();
        tried.cationName = question.cationName;
        tried.cationCharge = question.cationCharge;
        tried.multivalent = question.multivalent;
        tried.anionName = question.anionName;
        if (!record.append({QString(), QStringLiteral("0123456789ab"), tried}))
            return false;
    }
    return true;
}

#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/loader.h"
#include "quiz/answerkey.h"

#include <QTextStream>

// The checker's report, one finding a line, in a fixed format that scripts may compare:
//   LINE: TITLE: TEXT      a message box the program would show (CR LF written as \n)
//   LINE: warning: TEXT    a problem the program passes over or mends without a word
//   TableName: count       once per table, after the findings
//   [help1] ...            the listings as the help window shows them, on request
//   [compounds] ...        the answer key, KIND<TAB>NAME<TAB>FORMULA, on request
class CheckReport final : public LoadDiagnostics {
public:
    explicit CheckReport(QTextStream &out)
        : m_out(out) {}

    void message(int line, const Message &message) override;
    void warning(int line, const QString &text) override;
    void writeCounts(const IonCatalogue &catalogue);
    void writeListings(const ListingTexts &listings);
    void writeAnswerKey(const QList<AnswerKeyRow> &rows);

private:
    QTextStream &m_out;
};

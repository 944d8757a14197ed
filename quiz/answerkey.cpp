#include "quiz/answerkey.h"

#include "catalogue/iontableinfo.h"
#include "quiz/composition/composition.h"
#include "quiz/questiondraw.h"

namespace {

// The charges the draw can give an entry: its whole text when it has one character,
// otherwise each character in turn.
QStringList drawableCharges(const QString &charges) {
    if (charges.size() <= 1)
        return {charges};
    QStringList digits;
    for (QChar digit : charges)
        digits.append(digit);
    return digits;
}

void appendIonicCompounds(const IonCatalogue &catalogue, const IonEntry &cation,
                          QList<Question> &key) {
    for (const QString &charge : drawableCharges(cation.Charges)) {
        for (const auto &[table, bit] : AnionTablesInDrawOrder) {
            const IonCategory &anions = catalogue.table(table);
            for (int row = 1; row <= anions.count(); ++row) {
                DrawnQuestion drawn;
                drawn.question.takeCation(cation, charge);
                drawn.question.multivalent = cation.Charges.size() > 1;
                drawn.question.takeAnion(anions.entry(row));
                QuestionDraw::ComposeIonicCompound(drawn);
                key.append(drawn.question);
            }
        }
    }
}

void appendCovalentCompound(const IonCatalogue &catalogue, Question &question,
                            QList<Question> &key) {
    QuizRules::adoptListedName(question, catalogue.table(IonTable::CovalentComplex));
    key.append(question);
}

void appendSimpleCovalentCompounds(const IonCatalogue &catalogue, const IonEntry &element,
                                   QList<Question> &key) {
    const IonCategory &anions = catalogue.table(IonTable::AnionsSimple);
    for (const QString &count : drawableCharges(element.Charges)) {
        for (int row = 1; row <= anions.count(); ++row) {
            const IonEntry &anion = anions.entry(row);
            if (anion.Formula == element.Formula)
                continue;
            Question question;
            question.takeCation(element, count);
            question.takeAnion(anion);
            QuizRules::composeSimpleCovalent(question);
            appendCovalentCompound(catalogue, question, key);
        }
    }
}

} // namespace

QList<Question> answerKeyQuestions(const IonCatalogue &catalogue) {
    QList<Question> key;
    for (IonTable table : {IonTable::CationsMonovalent, IonTable::CationsMultivalent}) {
        const IonCategory &cations = catalogue.table(table);
        for (int row = 1; row <= cations.count(); ++row)
            appendIonicCompounds(catalogue, cations.entry(row), key);
    }
    const IonCategory &elements = catalogue.table(IonTable::CovalentSimple);
    for (int row = 1; row <= elements.count(); ++row)
        appendSimpleCovalentCompounds(catalogue, elements.entry(row), key);
    // The quiz asks a complex compound by the first name listed with its formula.
    const IonCategory &compounds = catalogue.table(IonTable::CovalentComplex);
    for (int row = 1; row <= compounds.count(); ++row) {
        Question question;
        question.kind = CompoundKind::ComplexCovalent;
        question.compoundName = compounds.entry(row).Name;
        question.formula = compounds.entry(row).Formula;
        appendCovalentCompound(catalogue, question, key);
    }
    return key;
}

std::optional<Question> questionShowing(const QList<Question> &key, const QString &shown) {
    for (const Question &question : key) {
        if (question.formula == shown || question.compoundName == shown) {
            Question asked = question;
            asked.askName = question.formula == shown;
            return asked;
        }
    }
    return std::nullopt;
}

QList<AnswerKeyRow> answerKey(const IonCatalogue &catalogue) {
    QList<AnswerKeyRow> rows;
    for (const Question &question : answerKeyQuestions(catalogue))
        rows.append({question.kind, question.compoundName, question.formula});
    return rows;
}

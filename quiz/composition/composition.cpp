#include "quiz/composition/composition.h"

#include "catalogue/datatext.h"
#include "catalogue/namingtables.h"

#include <algorithm>
#include <numeric>

namespace QuizRules {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

bool needsParentheses(const QString &symbol) {
    return isPolyatomic(symbol) || std::any_of(symbol.begin(), symbol.end(), isDigit);
}

// The loader keeps charges of 0 out; the floor of 1 keeps the division defined regardless.
int commonDivisor(int a, int b) {
    return std::max(std::gcd(a, b), 1);
}

QString countText(int count) {
    return count == 1 ? QString() : QString::number(count);
}

} // namespace

bool isPolyatomic(const QString &formula) {
    return std::any_of(formula.begin() + std::min<qsizetype>(1, formula.size()), formula.end(),
                       [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

QString formulaPart(const QString &symbol, int subscript) {
    if (subscript == 1)
        return symbol;
    const QString count = QString::number(subscript);
    return needsParentheses(symbol) ? u'(' + symbol + u')' + count : symbol + count;
}

QString ionicName(const Question &question) {
    if (question.multivalent)
        return question.cationName + u'(' +
               NamingTables::romanNumeral(question.cationCharge.toInt()) + QStringLiteral(") ") +
               question.anionName;
    return question.cationName + u' ' + question.anionName;
}

QString ionicFormula(const Question &question) {
    const int cationCharge = question.cationCharge.toInt();
    const int anionCharge = question.anionCharge.toInt();
    const int divisor = commonDivisor(cationCharge, anionCharge);
    return formulaPart(question.cationSymbol, anionCharge / divisor) +
           formulaPart(question.anionFormula, cationCharge / divisor);
}

QString ionicHelpText(const Question &question) {
    const QString chargeLine =
        question.multivalent
            ? QStringLiteral("It is multivalent with a charge of +") + question.cationCharge
            : QStringLiteral("It always has a charge of ") + question.cationCharge;
    return QStringList{
        QStringLiteral("The positive ion is ") + question.cationName + QStringLiteral(", ") +
            question.cationSymbol + u'.',
        chargeLine,
        QString(),
        QStringLiteral("The negative ion is ") + question.anionName + u'.',
        QStringLiteral("Its formula is ") + question.anionFormula +
            QStringLiteral("  and its charge is -") + question.anionCharge,
    }
        .join(LineBreak);
}

QString simpleCovalentName(const QString &firstName, int firstCount, const QString &secondName,
                           int secondCount) {
    QString name = firstName + u' ' + NamingTables::greekPrefix(secondCount) + secondName;
    if (firstCount > 1)
        name.prepend(NamingTables::greekPrefix(firstCount));
    return name.replace(QStringLiteral("monooxide"), QStringLiteral("monoxide"));
}

void composeSimpleCovalent(Question &question) {
    int secondCount = question.cationCharge.toInt();
    int firstCount = question.anionCharge.toInt();
    const int divisor = commonDivisor(secondCount, firstCount);
    secondCount /= divisor;
    firstCount /= divisor;

    question.kind = CompoundKind::SimpleCovalent;
    question.compoundName =
        simpleCovalentName(question.cationName, firstCount, question.anionName, secondCount);
    question.formula = formulaPart(question.cationSymbol, firstCount) +
                       formulaPart(question.anionFormula, secondCount);
    question.cationCharge = countText(secondCount);
    question.anionCharge = countText(firstCount);
}

void adoptListedName(Question &question, const IonCategory &complexCompounds) {
    for (int row = 1; row <= complexCompounds.count(); ++row) {
        if (complexCompounds.entry(row).Formula == question.formula) {
            question.compoundName = complexCompounds.entry(row).Name;
            return;
        }
    }
}

} // namespace QuizRules

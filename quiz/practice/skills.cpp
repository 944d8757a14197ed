#include "quiz/practice/skills.h"

#include "catalogue/namingtables.h"
#include "quiz/feedback/formulareading.h"

#include <algorithm>

namespace Skills {

namespace {

// Covalent names made by the rules carry Greek prefixes (the second element always, mono
// included); listed ones such as water, methane or hydrogen chloride are learnt as they stand.
bool hasGreekPrefix(const QString &name) {
    const QStringList words = name.split(u' ');
    return std::any_of(words.begin(), words.end(), [](const QString &word) {
        return std::any_of(
            NamingTables::GreekPrefixes.begin() + 1, NamingTables::GreekPrefixes.end(),
            [&word](const char *prefix) { return word.startsWith(QLatin1StringView(prefix)); });
    });
}

} // namespace

QString cation(const QString &name, const QString &charge, bool multivalent) {
    const QString numeral =
        multivalent ? u'(' + NamingTables::romanNumeral(charge.toInt()) + u')' : QString();
    return "cation:"_L1 + name + numeral;
}

QString anion(const QString &name) {
    return "anion:"_L1 + name;
}

QStringList exercisedBy(const Question &question) {
    const bool writesFormula = !question.askName;
    QStringList skills;
    if (question.kind == CompoundKind::Ionic) {
        skills << cation(question.cationName, question.cationCharge, question.multivalent)
               << anion(question.anionName);
        // The anion's charge is unknown for a recorded try of an anion that the data file no
        // longer lists.
        const bool hasCounts =
            !question.anionCharge.isEmpty() && question.cationCharge != question.anionCharge;
        if (writesFormula && hasCounts)
            skills << Balance;
        if (writesFormula && question.formula.contains(u'('))
            skills << Parentheses;
        if (question.multivalent)
            skills << (writesFormula ? NumeralWrite : NumeralRead);
        if (!writesFormula && hasCounts)
            skills << NoPrefixIonic;
    } else if (hasGreekPrefix(question.compoundName)) {
        skills << Prefixes;
    }
    if (writesFormula)
        skills << Symbols;
    return skills;
}

QStringList all(const IonCatalogue &catalogue) {
    QStringList skills;
    for (const IonEntry &entry : QuizRules::listedCations(catalogue)) {
        for (const QChar charge : entry.Charges)
            skills << cation(entry.Name, charge, entry.Charges.size() > 1);
    }
    for (const IonEntry &entry : QuizRules::listedAnions(catalogue))
        skills << anion(entry.Name);
    skills << Balance << Parentheses << NumeralWrite << NumeralRead << NoPrefixIonic << Prefixes
           << Symbols;
    skills.removeDuplicates();
    return skills;
}

} // namespace Skills

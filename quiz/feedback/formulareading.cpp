#include "quiz/feedback/formulareading.h"

#include "catalogue/datatext.h"
#include "catalogue/elements.h"
#include "catalogue/iontableinfo.h"
#include "quiz/composition/composition.h"

#include <QRegularExpression>

namespace QuizRules {

namespace {

// Longer counts are no slip of a key; leaving them unread keeps the products in range.
constexpr qsizetype MaxCountDigits = 3;

// The count that starts text at `at`, which moves past it: 1 when no digit follows, nothing
// for a count too long.
std::optional<int> readCount(QStringView text, qsizetype &at) {
    const qsizetype start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at == start)
        return 1;
    if (at - start > MaxCountDigits)
        return std::nullopt;
    return text.sliced(start, at - start).toInt();
}

// The ion at the start of text, bare or in parentheses, with its count; the characters it
// takes, or 0 when it does not start the text.
qsizetype readPart(QStringView text, const IonEntry &ion, FormulaPart &part) {
    if (ion.Formula.isEmpty())
        return 0;
    part.ion = ion;
    const bool parenthesised = text.startsWith(u'(');
    qsizetype at = parenthesised ? 1 : 0;
    if (!text.sliced(at).startsWith(ion.Formula))
        return 0;
    at += ion.Formula.size();
    if (parenthesised) {
        if (!text.sliced(at).startsWith(u')'))
            return 0;
        ++at;
    }
    const std::optional<int> count = readCount(text, at);
    if (!count)
        return 0;
    part.count = *count;
    return at;
}

QList<IonEntry> entriesOf(const IonCatalogue &catalogue, std::initializer_list<IonTable> tables) {
    QList<IonEntry> entries;
    for (IonTable table : tables) {
        for (int row = 1; row <= catalogue.table(table).count(); ++row)
            entries.append(catalogue.table(table).entry(row));
    }
    return entries;
}

} // namespace

bool readsAsFormula(QStringView answer) {
    return !answer.isEmpty() && (answer.front().isUpper() || answer.front() == u'(') &&
           !answer.contains(u' ');
}

QList<TwoPartReading> readTwoParts(QStringView text, const QList<IonEntry> &firstCandidates,
                                   const QList<IonEntry> &secondCandidates) {
    QList<TwoPartReading> readings;
    for (const IonEntry &firstIon : firstCandidates) {
        TwoPartReading reading;
        const qsizetype firstLength = readPart(text, firstIon, reading.first);
        if (firstLength == 0)
            continue;
        const QStringView rest = text.sliced(firstLength);
        for (const IonEntry &secondIon : secondCandidates) {
            if (readPart(rest, secondIon, reading.second) == rest.size())
                readings.append(reading);
        }
    }
    return readings;
}

std::optional<TwoPartReading> readingWithOtherIons(const QList<TwoPartReading> &readings,
                                                   const QString &cationFormula,
                                                   const QString &anionFormula) {
    const QString family = anionFamily(anionFormula);
    std::optional<TwoPartReading> found;
    for (const TwoPartReading &reading : readings) {
        const bool rightCation = reading.first.ion.Formula == cationFormula;
        if ((!rightCation || anionFamily(reading.second.ion.Formula) != family) &&
            (!found || rightCation))
            found = reading;
    }
    return found;
}

std::optional<QList<ElementRun>> elementRuns(QStringView formula) {
    QList<ElementRun> runs;
    qsizetype at = 0;
    while (at < formula.size()) {
        qsizetype end = at + 1;
        while (end < formula.size() && formula[end].isLower())
            ++end;
        const QStringView symbol = formula.sliced(at, end - at);
        at = end;
        const std::optional<int> count = readCount(formula, at);
        if (!Elements::bySymbol(symbol) || !count)
            return std::nullopt;
        if (!runs.isEmpty() && runs.back().symbol == symbol)
            runs.back().count += *count;
        else
            runs.append({symbol.toString(), *count});
    }
    return runs;
}

QString withoutExtraParentheses(QStringView text) {
    QString result;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype close = text.indexOf(u')', at);
        if (text[at] != u'(' || close < 0) {
            result.append(text[at++]);
            continue;
        }
        const QStringView group = text.sliced(at + 1, close - at - 1);
        at = close + 1;
        const bool countFollows = at < text.size() && isDigit(text[at]);
        const bool countOfOne =
            countFollows && text[at] == u'1' && (at + 1 == text.size() || !isDigit(text[at + 1]));
        if (countOfOne)
            ++at;
        const bool needed = !Elements::bySymbol(group) && countFollows && !countOfOne;
        result.append(needed ? QStringLiteral("(%1)").arg(group) : group.toString());
    }
    static const QRegularExpression countOfOne(QStringLiteral("(?<=[A-Za-z)])1(?![0-9])"));
    return result.remove(countOfOne);
}

QString anionFamily(QStringView anionFormula) {
    static const QRegularExpression oxygen(QStringLiteral("O(?![a-z])[0-9]*"));
    return anionFormula.toString().remove(oxygen);
}

QList<IonEntry> listedCations(const IonCatalogue &catalogue) {
    return entriesOf(catalogue, {IonTable::CationsMonovalent, IonTable::CationsMultivalent});
}

QList<IonEntry> listedAnions(const IonCatalogue &catalogue) {
    QList<IonEntry> anions;
    for (const auto &[table, bit] : AnionTablesInDrawOrder)
        anions += entriesOf(catalogue, {table});
    return anions;
}

} // namespace QuizRules

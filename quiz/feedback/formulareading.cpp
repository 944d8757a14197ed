#include "quiz/feedback/formulareading.h"

#include "catalogue/datatext.h"
#include "catalogue/elements.h"
#include "catalogue/iontableinfo.h"
#include "quiz/composition/composition.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>

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

// Where an ion stands at the start of a text, with its count.
struct PartMatch {
    qsizetype length = 0; // the characters it takes
    int count = 1;
    bool parenthesised = false;
};

// The formula at the start of text, bare or in parentheses, with its count.
std::optional<PartMatch> matchPart(QStringView text, const QString &formula) {
    if (formula.isEmpty())
        return std::nullopt;
    PartMatch match;
    match.parenthesised = text.startsWith(u'(');
    qsizetype at = match.parenthesised ? 1 : 0;
    if (!text.sliced(at).startsWith(formula))
        return std::nullopt;
    at += formula.size();
    if (match.parenthesised) {
        if (!text.sliced(at).startsWith(u')'))
            return std::nullopt;
        ++at;
    }
    const std::optional<int> count = readCount(text, at);
    if (!count)
        return std::nullopt;
    match.count = *count;
    match.length = at;
    return match;
}

// Some charge of each ion makes the counts neutral.
bool canBalance(const IonEntry &first, int firstCount, const IonEntry &second, int secondCount) {
    for (QChar firstCharge : first.Charges) {
        for (QChar secondCharge : second.Charges) {
            if (isDigit(firstCharge) && isDigit(secondCharge) && firstCharge != u'0' &&
                firstCount * firstCharge.digitValue() == secondCount * secondCharge.digitValue())
                return true;
        }
    }
    return false;
}

// A group written bare, or in parentheses with a count after them, read as element runs.
std::optional<AtomGroup> groupOf(QStringView text) {
    const qsizetype close = text.indexOf(u')');
    if (text.startsWith(u'(') && close > 0 && isDigits(text.sliced(close + 1)))
        text = text.sliced(1, close - 1);
    std::optional<QList<ElementRun>> runs = elementRuns(text);
    if (text.isEmpty() || !runs)
        return std::nullopt;
    return AtomGroup{text, std::move(*runs)};
}

// The number of atoms of each element, whatever their order.
QMap<QString, int> atomsOf(const QList<ElementRun> &runs) {
    QMap<QString, int> atoms;
    for (const ElementRun &run : runs)
        atoms[run.symbol] += run.count;
    return atoms;
}

IonCandidates entriesOf(const IonCatalogue &catalogue, std::initializer_list<IonTable> tables) {
    IonCandidates entries;
    for (IonTable table : tables) {
        for (int row = 1; row <= catalogue.table(table).count(); ++row)
            entries.append(&catalogue.table(table).entry(row));
    }
    return entries;
}

QList<IonEntry> valuesOf(const IonCandidates &entries) {
    QList<IonEntry> values;
    for (const IonEntry *entry : entries)
        values.append(*entry);
    return values;
}

} // namespace

bool readsAsFormula(QStringView answer) {
    return !answer.isEmpty() && (answer.front().isUpper() || answer.front() == u'(') &&
           !answer.contains(u' ');
}

std::optional<TwoPartReading> chemistsReading(QStringView text, const IonCandidates &firsts,
                                              const IonCandidates &seconds) {
    std::optional<TwoPartReading> best;
    qsizetype bestLength = 0;
    bool bestBalances = false;
    for (const IonEntry *first : firsts) {
        const std::optional<PartMatch> head = matchPart(text, first->Formula);
        if (!head)
            continue;
        const QStringView rest = text.sliced(head->length);
        for (const IonEntry *second : seconds) {
            const std::optional<PartMatch> tail = matchPart(rest, second->Formula);
            if (!tail || tail->length != rest.size())
                continue;
            // The longer the ions, the fewer digits were read as counts.
            const qsizetype length = first->Formula.size() + second->Formula.size();
            const bool balances = canBalance(*first, head->count, *second, tail->count);
            if (best &&
                (length < bestLength || (length == bestLength && (bestBalances || !balances))))
                continue;
            best = TwoPartReading{{*first, head->count, head->parenthesised},
                                  {*second, tail->count, tail->parenthesised}};
            bestLength = length;
            bestBalances = balances;
        }
    }
    return best;
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

bool sameSymbols(const QList<ElementRun> &a, const QList<ElementRun> &b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const ElementRun &x, const ElementRun &y) { return x.symbol == y.symbol; });
}

QList<QStringView> letterRuns(QStringView formula) {
    QList<QStringView> runs;
    qsizetype at = 0;
    while (at < formula.size()) {
        if (!formula[at].isLetter()) {
            ++at;
            continue;
        }
        qsizetype end = at + 1;
        while (end < formula.size() && formula[end].isLower())
            ++end;
        runs.append(formula.sliced(at, end - at));
        at = end;
    }
    return runs;
}

std::optional<AtomGroup> groupAfter(QStringView text, const IonEntry &ion) {
    const std::optional<PartMatch> head = matchPart(text, ion.Formula);
    if (!head)
        return std::nullopt;
    return groupOf(text.sliced(head->length));
}

std::optional<AtomGroup> groupBefore(QStringView text, const IonEntry &ion) {
    for (qsizetype at = 1; at < text.size(); ++at) {
        const std::optional<PartMatch> tail = matchPart(text.sliced(at), ion.Formula);
        if (tail && at + tail->length == text.size())
            return groupOf(text.first(at));
    }
    return std::nullopt;
}

int timesHeld(const QList<ElementRun> &group, const QList<ElementRun> &ion) {
    const QMap<QString, int> held = atomsOf(group);
    const QMap<QString, int> wanted = atomsOf(ion);
    // A count of 0 is no count to divide by.
    if (wanted.isEmpty() || wanted.first() == 0 || held.keys() != wanted.keys())
        return 0;
    const int times = held.first() / wanted.first();
    for (auto atom = wanted.begin(); atom != wanted.end(); ++atom) {
        if (held.value(atom.key()) != atom.value() * times)
            return 0;
    }
    return times;
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
    return valuesOf(cationCandidates(catalogue));
}

QList<IonEntry> listedAnions(const IonCatalogue &catalogue) {
    return valuesOf(anionCandidates(catalogue));
}

IonCandidates cationCandidates(const IonCatalogue &catalogue) {
    return entriesOf(catalogue, {IonTable::CationsMonovalent, IonTable::CationsMultivalent});
}

IonCandidates anionCandidates(const IonCatalogue &catalogue) {
    IonCandidates anions;
    for (const auto &[table, bit] : AnionTablesInDrawOrder)
        anions += entriesOf(catalogue, {table});
    return anions;
}

} // namespace QuizRules

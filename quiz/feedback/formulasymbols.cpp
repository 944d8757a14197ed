#include "quiz/feedback/formulasymbols.h"

#include "catalogue/datatext.h"
#include "catalogue/elements.h"
#include "quiz/feedback/formulareading.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

QString lettersOf(QStringView formula) {
    QString letters;
    for (QChar c : formula) {
        if (c.isLetter())
            letters += c;
    }
    return letters;
}

// "C, H and O"
QString listed(const QStringList &items) {
    if (items.size() < 2)
        return items.value(0);
    return items.first(items.size() - 1).join(u", "_s) + u" and "_s + items.back();
}

// The elements the letters are, symbol by symbol; empty when a symbol is of no element.
QList<const Element *> elementsOf(QStringView letters) {
    QList<const Element *> elements;
    for (QStringView symbol : letterRuns(letters)) {
        const Element *element = Elements::bySymbol(symbol);
        if (!element)
            return {};
        elements.append(element);
    }
    return elements;
}

// The symbols of a formula, each once, in the order they first stand.
QStringList symbolsOf(QStringView formula) {
    QStringList symbols;
    for (QStringView symbol : letterRuns(formula)) {
        if (!symbols.contains(symbol))
            symbols.append(symbol.toString());
    }
    return symbols;
}

// [from, to) widened to the whole of every run of letters it touches.
bool widen(const QString &letters, qsizetype &from, qsizetype &to) {
    bool widened = false;
    for (QStringView run : letterRuns(letters)) {
        const qsizetype start = run.data() - letters.data();
        const qsizetype end = start + run.size();
        if (start < to && end > from && (start < from || end > to)) {
            from = std::min(from, start);
            to = std::max(to, end);
            widened = true;
        }
    }
    return widened;
}

// The name of what the letters stand in, and its symbols: the ion of an ionic question that
// holds them, or the compound.
std::pair<QString, QString> ownerOf(const Question &question, QStringView letters) {
    if (question.kind == CompoundKind::Ionic) {
        for (const auto &[name, formula] : {std::pair{question.cationName, question.cationSymbol},
                                            std::pair{question.anionName, question.anionFormula}})
            if (lettersOf(formula).contains(letters))
                return {name, listed(symbolsOf(formula))};
    }
    return {question.compoundName, listed(symbolsOf(question.formula))};
}

struct LookAlike {
    QChar typed;
    QChar meant;
    const char16_t *typedIs;
    const char16_t *meantIs;
};

constexpr std::array<LookAlike, 4> LookAlikes = {{
    {u'0', u'O', u"the digit 0", u"the letter O"},
    {u'I', u'l', u"a capital i", u"a small L"},
    {u'l', u'I', u"a small L", u"a capital i"},
    {u'1', u'l', u"the digit 1", u"a small L"},
}};

const LookAlike *lookAlike(QChar typed, QChar meant) {
    const auto found = std::find_if(LookAlikes.begin(), LookAlikes.end(), [&](const LookAlike &l) {
        return l.typed == typed && l.meant == meant;
    });
    return found == LookAlikes.end() ? nullptr : &*found;
}

} // namespace

std::optional<QString> symbolCaseSlip(const Question &question, QStringView typed) {
    const QString expectedLetters = lettersOf(question.formula);
    const QString typedLetters = lettersOf(typed);
    if (typedLetters == expectedLetters || typedLetters.size() != expectedLetters.size() ||
        typedLetters.compare(expectedLetters, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // The runs of letters round the first wrong one, as either text cuts its symbols.
    qsizetype slip = 0;
    while (typedLetters[slip] == expectedLetters[slip])
        ++slip;
    qsizetype from = slip;
    qsizetype to = slip + 1;
    while (widen(expectedLetters, from, to) || widen(typedLetters, from, to)) {
    }
    const QStringView written = QStringView(typedLetters).sliced(from, to - from);
    const QStringView meant = QStringView(expectedLetters).sliced(from, to - from);
    const QList<const Element *> writtenElements = elementsOf(written);
    const QList<const Element *> meantElements = elementsOf(meant);
    if (writtenElements.size() == 1) {
        const auto [owner, symbols] = ownerOf(question, meant);
        return u"%1 is %2; %3 is %4."_s.arg(written, writtenElements.front()->name, owner, symbols);
    }
    if (writtenElements.size() > 1 && meantElements.size() == 1) {
        QStringList names;
        for (const Element *element : writtenElements)
            names.append(element->name);
        return u"%1 is %2; %3 is %4."_s.arg(written, listed(names), meantElements.front()->name,
                                            meant);
    }
    // No symbols as written: the first symbol asked whose capitals are wrong.
    qsizetype end = slip + 1;
    while (widen(expectedLetters, slip, end)) {
    }
    return u"write %1, not %2: a symbol is one capital letter, then small ones."_s.arg(
        QStringView(expectedLetters).sliced(slip, end - slip),
        QStringView(typedLetters).sliced(slip, end - slip));
}

std::optional<QString> lookAlikeSlip(QStringView expected, QStringView typed) {
    if (typed.size() != expected.size() || typed == expected)
        return std::nullopt;
    std::optional<QString> explanation;
    for (qsizetype at = 0; at < typed.size(); ++at) {
        if (typed[at] == expected[at])
            continue;
        const LookAlike *slip = lookAlike(typed[at], expected[at]);
        // A count raised or lowered by hand, as ² or ₂, which digitValue reads as 2.
        const bool countLookAlike = isDigit(expected[at]) && !isDigit(typed[at]) &&
                                    typed[at].digitValue() == expected[at].digitValue();
        if (!slip && !countLookAlike)
            return std::nullopt;
        if (explanation)
            continue;
        if (countLookAlike) {
            explanation =
                u"type the count %1 as a plain digit; the quiz lowers it."_s.arg(expected[at]);
            continue;
        }
        const QList<QStringView> symbols = letterRuns(expected);
        const auto symbol = std::find_if(symbols.begin(), symbols.end(), [&](QStringView run) {
            return run.data() - expected.data() + run.size() > at;
        });
        explanation = u"%1 is written with %2, not %3."_s.arg(*symbol, QStringView(slip->meantIs),
                                                              QStringView(slip->typedIs));
    }
    return explanation;
}

std::optional<QString> otherSymbol(QStringView expected, QStringView typed) {
    const QList<QStringView> meant = letterRuns(expected);
    const QList<QStringView> written = letterRuns(typed);
    if (meant.size() != written.size())
        return std::nullopt;
    const auto [meantSymbol, writtenSymbol] =
        std::mismatch(meant.begin(), meant.end(), written.begin());
    if (meantSymbol == meant.end() || !std::equal(meantSymbol + 1, meant.end(), writtenSymbol + 1))
        return std::nullopt;
    const Element *meantElement = Elements::bySymbol(*meantSymbol);
    if (!meantElement)
        return std::nullopt;
    if (const Element *writtenElement = Elements::bySymbol(*writtenSymbol))
        return u"%1 is %2, not %3."_s.arg(*writtenSymbol, writtenElement->name, meantElement->name);
    return u"%1 is not the symbol of %2."_s.arg(*writtenSymbol, meantElement->name);
}

} // namespace QuizRules

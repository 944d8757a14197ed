#include "quiz/feedback/namereading.h"

#include "catalogue/datatext.h"
#include "catalogue/namingtables.h"
#include "quiz/feedback/namespelling.h"

#include <algorithm>

namespace QuizRules {

namespace {

bool isVowel(QChar letter) {
    return QStringView(u"aeiou").contains(letter);
}

// A character that takes no room on screen: zero-width space and joiners, soft hyphen,
// byte-order mark, control characters.
bool isInvisible(QChar character) {
    return character.category() == QChar::Other_Format ||
           character.category() == QChar::Other_Control;
}

// A value of 1 to 99 in digits, or a Roman numeral of the naming tables, with l for I as a
// slip of the eye; 0 for anything else. stock is set for a Roman numeral written right.
int numeralValue(QStringView text, bool &stock) {
    stock = false;
    if (!text.isEmpty() && text.size() <= 2 && isDigits(text))
        return text.toInt();
    QString roman = text.toString();
    const bool lookalike = roman.contains(u'l');
    roman.replace(u'l', u'i');
    for (int value = 1; value < int(NamingTables::RomanNumerals.size()); ++value) {
        if (roman.compare(QLatin1StringView(NamingTables::RomanNumerals[value]),
                          Qt::CaseInsensitive) == 0) {
            stock = !lookalike;
            return value;
        }
    }
    return 0;
}

TypedNumeral readNumeral(QStringView text) {
    if (text.isEmpty())
        return {};
    const bool spaced = text.startsWith(u' ');
    if (spaced)
        text = text.sliced(1);
    const bool parenthesised = text.size() > 1 && text.startsWith(u'(') && text.endsWith(u')');
    if (parenthesised)
        text = text.sliced(1, text.size() - 2);
    const bool signedCharge = text.startsWith(u'+') || text.endsWith(u'+');
    if (signedCharge)
        text = text.startsWith(u'+') ? text.sliced(1) : text.chopped(1);
    bool roman = false;
    const int value = numeralValue(text, roman);
    if (value == 0)
        return {TypedNumeral::Form::Unreadable, 0};
    const bool stock = roman && parenthesised && !spaced && !signedCharge;
    return {stock ? TypedNumeral::Form::Stock : TypedNumeral::Form::Other, value};
}

// Notes the slip unless one found earlier comes first.
void note(LayoutSlip &slip, LayoutSlip::Kind kind, QChar character = {}) {
    if (slip.kind == LayoutSlip::Kind::None || kind < slip.kind)
        slip = {kind, character};
}

// The answer with one ordinary space between words, nothing invisible, no punctuation, no space
// before a numeral's parenthesis and one after it; slip says what had to change.
QString mendedLayout(const QString &answer, LayoutSlip &slip) {
    using Kind = LayoutSlip::Kind;
    QString text;
    for (QChar character : answer) {
        const bool punctuation = QStringView(u".,;:!?-").contains(character);
        if (character != u' ' && character.isSpace())
            note(slip, Kind::OtherSpace, character);
        else if (isInvisible(character))
            note(slip, Kind::Invisible, character);
        else if (punctuation)
            note(slip, Kind::Punctuation, character);
        // "sodium,chloride" is two words, "di-nitrogen" one
        if (character.isSpace() || (punctuation && character != u'-'))
            text.append(u' ');
        else if (!isInvisible(character) && !punctuation)
            text.append(character);
    }
    if (text.contains(QStringLiteral("  ")))
        note(slip, Kind::ExtraSpaces);
    text = text.simplified();
    if (text.contains(QStringLiteral(" ("))) {
        note(slip, Kind::SpaceBeforeNumeral);
        text.replace(QStringLiteral(" ("), QStringLiteral("("));
    }
    for (qsizetype close = text.indexOf(u')'); close >= 0 && close + 1 < text.size();
         close = text.indexOf(u')', close + 1)) {
        if (text[close + 1].isLetter()) {
            note(slip, Kind::NoSpaceAfterNumeral);
            text.insert(close + 1, u' ');
        }
    }
    return text;
}

} // namespace

QList<PrefixedWord> prefixReadings(QStringView word) {
    QList<PrefixedWord> readings{{0, word}};
    for (int count = 1; count < int(NamingTables::GreekPrefixes.size()); ++count) {
        const QLatin1StringView prefix(NamingTables::GreekPrefixes[count]);
        const QLatin1StringView elided = prefix.chopped(1);
        if (word.startsWith(prefix))
            readings.append({count, word.sliced(prefix.size())});
        if (word.startsWith(elided) && word.size() > elided.size() && isVowel(word[elided.size()]))
            readings.append({count, word.sliced(elided.size())});
    }
    return readings;
}

bool isPrefixed(QStringView word, QStringView name) {
    const QList<PrefixedWord> readings = prefixReadings(word);
    return std::any_of(readings.begin(), readings.end(),
                       [name](const PrefixedWord &reading) { return reading.stem == name; });
}

NamedPart readNamedPart(QStringView text) {
    const qsizetype letters =
        std::find_if_not(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) -
        text.begin();
    return {text.first(letters), readNumeral(text.sliced(letters))};
}

QString withStockNumeral(QAnyStringView name, int numeral) {
    return name.toString() + u'(' + NamingTables::romanNumeral(numeral) + u')';
}

NameReading::NameReading(const QString &answer, bool ionic)
    : m_mended(mendedLayout(answer, m_slip))
    , m_text(canonicalSpelling(m_mended, ionic)) {
    for (qsizetype space = m_text.indexOf(u' '); space >= 0;
         space = m_text.indexOf(u' ', space + 1)) {
        const QStringView first = QStringView(m_text).first(space);
        m_splits.append({readNamedPart(first), first, QStringView(m_text).sliced(space + 1)});
    }
}

QStringView NameReading::firstWord() const {
    return QStringView(m_text).split(u' ').front();
}

} // namespace QuizRules

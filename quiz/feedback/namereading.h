#pragma once

#include <QAnyStringView>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

// How a typed name is read part by part, so that the feedback rules can say what is wrong with
// it: the twin of the formula reader.
namespace QuizRules {

// A word read as a Greek prefix and what follows it; count 0 when it has no prefix.
struct PrefixedWord {
    int count;
    QStringView stem;
};

// The word as it stands, and after each Greek prefix it starts with; a prefix may drop its
// last vowel before another vowel, as in monoxide.
QList<PrefixedWord> prefixReadings(QStringView word);

// The name, with a Greek prefix or without.
bool isPrefixed(QStringView word, QStringView name);

// What follows the name of a cation or first element: nothing, the course's Roman numeral in
// parentheses, or a numeral written another way (iron 3, iron(3+), iron III, iron(lll)).
struct TypedNumeral {
    enum class Form { None, Stock, Other, Unreadable };
    bool isPresent() const { return form == Form::Stock || form == Form::Other; }

    Form form = Form::None;
    int value = 0; // 1 to 99 when readable
};

// A name with what follows it: "iron(iii)" is iron with the numeral 3, "mercury(i)" mercury
// with 1, "dinitrogen" a name with nothing after it.
struct NamedPart {
    QStringView name; // the letters it starts with
    TypedNumeral numeral;
};

NamedPart readNamedPart(QStringView text);

// "iron(III)", "chlorate(VII)": a name with a numeral as the course writes it.
QString withStockNumeral(QAnyStringView name, int numeral);

// What the answer's layout holds that a name never does, the first found in this order.
struct LayoutSlip {
    enum class Kind {
        None,
        Invisible,          // a character no one can see: zero-width space, soft hyphen
        OtherSpace,         // a no-break space, a tab, a line break
        Punctuation,        // a full stop, comma or hyphen, which no name holds
        ExtraSpaces,        // more than one space between words
        SpaceBeforeNumeral, // iron (III)
        NoSpaceAfterNumeral // iron(III)chloride
    };
    Kind kind = Kind::None;
    QChar character; // the invisible character, other space or punctuation mark
};

// The typed name cut at one of its spaces: the first part (cation or first element) and the
// rest (anion or second element).
struct NameSplit {
    NamedPart first;
    QStringView firstText; // the whole first part: "iron(iii)", "iron 3", "sodium hydrogen"
    QStringView rest;
};

// A typed name, its layout mended (one ordinary space between words, nothing invisible, no
// punctuation, the numeral's parentheses spaced as the course writes them) and in canonical
// spelling, read once into every way it cuts in two.
class NameReading {
public:
    NameReading(const QString &answer, bool ionic);
    NameReading(const NameReading &) = delete;
    NameReading &operator=(const NameReading &) = delete;

    const QString &text() const { return m_text; }
    // The answer with its layout mended, as typed otherwise.
    const QString &mended() const { return m_mended; }
    const LayoutSlip &slip() const { return m_slip; }
    const QList<NameSplit> &splits() const { return m_splits; }
    // The first word, numeral included: "iron(iii)", "monocarbon".
    QStringView firstWord() const;

private:
    LayoutSlip m_slip;
    QString m_mended;
    QString m_text;
    QList<NameSplit> m_splits;
};

} // namespace QuizRules

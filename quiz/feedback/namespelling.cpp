#include "quiz/feedback/namespelling.h"

#include "catalogue/namingtables.h"

#include <QList>

#include <algorithm>
#include <array>
#include <utility>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

constexpr std::array<std::pair<QLatin1StringView, QLatin1StringView>, 4> Variants = {{
    {"sulph"_L1, "sulf"_L1},
    {"aluminum"_L1, "aluminium"_L1},
    {"cesium"_L1, "caesium"_L1},
    {"monooxide"_L1, "monoxide"_L1},
}};

constexpr int MaxEdits = 2;
constexpr int Barred = MaxEdits + 1;

// -ide, -ite or -ate, which tell related anions apart; empty for a word with none of them.
QLatin1StringView endingOf(QStringView word) {
    for (QLatin1StringView ending : {"ide"_L1, "ite"_L1, "ate"_L1}) {
        if (word.endsWith(ending))
            return ending;
    }
    return {};
}

// Every typed word that ends in -ide, -ite or -ate stands where a word with the same ending
// stands in the expected name.
bool keepsEndings(QStringView typed, QStringView expected) {
    const QList<QStringView> typedWords = typed.split(u' ');
    const QList<QStringView> expectedWords = expected.split(u' ');
    for (qsizetype word = 0; word < typedWords.size(); ++word) {
        const QLatin1StringView ending = endingOf(typedWords[word]);
        if (!ending.isEmpty() &&
            (word >= expectedWords.size() || endingOf(expectedWords[word]) != ending))
            return false;
    }
    return true;
}

// The letters of the name that no misspelling may touch.
QList<bool> lockedLetters(QStringView name) {
    QList<bool> locked(name.size(), false);
    const auto lock = [&](qsizetype from, qsizetype count) {
        std::fill_n(locked.begin() + from, count, true);
    };
    qsizetype start = 0;
    for (QStringView word : name.split(u' ')) {
        // chlorid and carbonat are slips; the consonant kept, the ending is still the same
        if (!endingOf(word).isEmpty())
            lock(start + word.size() - 2, 1);
        QList<QLatin1StringView> prefixes{"hypo"_L1, "per"_L1};
        for (const char *greek : NamingTables::GreekPrefixes)
            prefixes.append(QLatin1StringView(greek));
        for (QLatin1StringView prefix : prefixes) {
            if (!prefix.isEmpty() && word.startsWith(prefix))
                lock(start, prefix.size());
        }
        const qsizetype open = word.indexOf(u'(');
        const qsizetype close = word.indexOf(u')', open);
        if (open >= 0 && close > open)
            lock(start + open, close - open + 1);
        start += word.size() + 1;
    }
    return locked;
}

} // namespace

QString canonicalSpelling(const QString &name, bool joinHydrogen) {
    QString spelling = name.toLower();
    // replace() sets up a search even where there is nothing to find; contains() does not
    for (const auto &[variant, course] : Variants) {
        if (spelling.contains(variant))
            spelling.replace(variant, course);
    }
    // The course keeps every vowel but mono's: tetraoxide, pentaoxide.
    static const QList<std::pair<QString, QString>> oxides = [] {
        QList<std::pair<QString, QString>> pairs;
        for (int count = 4; count < int(NamingTables::GreekPrefixes.size()); ++count) {
            const QString prefix = NamingTables::greekPrefix(count);
            pairs.append({prefix.chopped(1) + u"oxide"_s, prefix + u"oxide"_s});
        }
        return pairs;
    }();
    if (spelling.contains(u"oxide"_s)) {
        for (const auto &[elided, course] : oxides) {
            if (spelling.contains(elided))
                spelling.replace(elided, course);
        }
    }
    if (joinHydrogen && spelling.contains(u"hydrogen "_s))
        spelling.replace(u"hydrogen "_s, u"hydrogen"_s);
    return spelling;
}

bool isMisspelling(QStringView typed, QStringView expected) {
    const qsizetype n = expected.size();
    const qsizetype m = typed.size();
    if (std::abs(n - m) > MaxEdits || !keepsEndings(typed, expected))
        return false;
    const QList<bool> locked = lockedLetters(expected);
    const auto mayInsertBefore = [&](qsizetype i) {
        return (i == 0 || !locked[i - 1]) && (i == n || !locked[i]);
    };
    // Edits that turn the first i letters of expected into the first j of typed, row by row;
    // only cells within MaxEdits of the diagonal can stay below Barred.
    QList<int> twoRowsUp(m + 1, Barred), rowUp(m + 1, Barred), row(m + 1, Barred);
    for (qsizetype i = 0; i <= n; ++i) {
        std::fill(row.begin(), row.end(), Barred);
        for (qsizetype j = std::max<qsizetype>(0, i - MaxEdits);
             j <= std::min<qsizetype>(m, i + MaxEdits); ++j) {
            int best = i == 0 && j == 0 ? 0 : Barred;
            if (i > 0 && j > 0 && expected[i - 1] == typed[j - 1])
                best = std::min(best, rowUp[j - 1]);
            if (i > 0 && !locked[i - 1]) {
                best = std::min(best, rowUp[j] + 1);
                if (j > 0)
                    best = std::min(best, rowUp[j - 1] + 1);
            }
            if (j > 0 && mayInsertBefore(i))
                best = std::min(best, row[j - 1] + 1);
            if (i > 1 && j > 1 && expected[i - 1] == typed[j - 2] &&
                expected[i - 2] == typed[j - 1] && !locked[i - 1] && !locked[i - 2])
                best = std::min(best, twoRowsUp[j - 2] + 1);
            row[j] = std::min(best, Barred);
        }
        std::swap(twoRowsUp, rowUp);
        std::swap(rowUp, row);
    }
    return rowUp[m] <= MaxEdits;
}

} // namespace QuizRules

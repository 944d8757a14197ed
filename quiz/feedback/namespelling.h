#pragma once

#include <QString>
#include <QStringView>

// How typed names are compared when the feedback rules look for what is wrong with them.
namespace QuizRules {

// The name in small letters with the spellings that the course accepts as its own made one:
// sulph as sulf, aluminum, cesium, a Greek prefix's last vowel dropped before "oxide"
// (pentoxide) and "monooxide" as the course writes them; with joinHydrogen also "hydrogen
// carbonate" and the like written as one word, which only ionic names can be.
QString canonicalSpelling(const QString &name, bool joinHydrogen);

// At most two edits (a letter inserted, deleted, changed, or swapped with its neighbour) turn
// expected into typed, none of them touching a prefix hypo- or per-, a Greek prefix, a Roman
// numeral or the d or t of an ending -ide, -ite or -ate of expected, and no typed word ends in
// another of those endings than the expected word in its place. Both in canonical spelling.
bool isMisspelling(QStringView typed, QStringView expected);

} // namespace QuizRules

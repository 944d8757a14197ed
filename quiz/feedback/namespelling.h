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
// expected into typed, none of them touching an ending -ide, -ite or -ate, a prefix hypo- or
// per-, a Greek prefix or a Roman numeral of expected. Both in canonical spelling.
bool isMisspelling(QStringView typed, QStringView expected);

} // namespace QuizRules

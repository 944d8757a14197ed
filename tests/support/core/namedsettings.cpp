#include "tests/support/core/namedsettings.h"

#include <QStringList>

QuizSettings settingsNamed(const QString &cations, const QString &anions, const QString &covalent,
                           const QString &questions) {
    const QStringList categories{"simple", "polyatomic", "derivative", "hydrogen", "other"};
    QuizSettings settings{
        CationKind(QStringList{"single", "multi", "both"}.indexOf(cations)),
        {},
        {},
        QuestionKind(QStringList{"names", "formulas", "mixed"}.indexOf(questions))};
    for (const QString &name : anions.split(u' ', Qt::SkipEmptyParts))
        settings.anionMask |= AnionCategory(1 << categories.indexOf(name));
    for (const QString &name : covalent.split(u' ', Qt::SkipEmptyParts))
        settings.covalentMask |= name == "simple" ? CovalentKind::Simple : CovalentKind::Complex;
    return settings;
}

#pragma once

#include "quiz/progress/progressfigures.h"

#include <QDate>
#include <QString>

class QStandardItemModel;

// The Progress window's figures as the rows of its tables, which its table views and a screen
// reader read, and the words its picture shares with them.
namespace ProgressTables {

// "iron(III)", "sulfate", "balancing charges".
QString skillName(const QString &skill);
// "charges not balanced"; a code this version does not know, as it stands.
QString mistakeLabel(const QString &code);
// The week by its Monday: "4 May".
QString weekLabel(QDate monday);

// Weakest first, the mastered ones marked.
void fillSkills(QStandardItemModel &model, const QList<SkillFigures> &skills);
// The latest first.
void fillSeries(QStandardItemModel &model, const QList<SeriesFigures> &series);
// A kind of mistake a row, the most frequent first, and a week a column.
void fillMistakes(QStandardItemModel &model, const ProgressFigures &figures);

} // namespace ProgressTables

#include "ui/progress/progresstables.h"

#include "quiz/feedback/answerfeedback.h"
#include "quiz/practice/skills.h"

#include <QBrush>
#include <QLocale>
#include <QStandardItemModel>

#include <algorithm>
#include <utility>

namespace {

using namespace Qt::StringLiterals;

constexpr std::pair<QLatin1StringView, const char *> RuleNames[] = {
    {Skills::Balance, "balancing charges"},
    {Skills::Parentheses, "parentheses"},
    {Skills::NumeralWrite, "Roman numerals, name to formula"},
    {Skills::NumeralRead, "Roman numerals, formula to name"},
    {Skills::NoPrefixIonic, "no prefixes in ionic names"},
    {Skills::Prefixes, "Greek prefixes"},
    {Skills::Symbols, "symbols"},
};

const QBrush MasteredGround(QColor(214, 245, 206));
// Weaker than before any try.
const QBrush WeakGround(QColor(255, 226, 196));

QString kindOf(const QString &skill) {
    if (skill.startsWith("cation:"_L1))
        return u"positive ion"_s;
    return skill.startsWith("anion:"_L1) ? u"negative ion"_s : u"rule"_s;
}

QString trendText(Trend trend) {
    switch (trend) {
    case Trend::Better:
        return u"better"_s;
    case Trend::Steady:
        return u"steady"_s;
    case Trend::Worse:
        return u"worse"_s;
    case Trend::Unknown:
        break;
    }
    return {};
}

QStandardItem *number(int value) {
    auto *item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem *text(const QString &value, Qt::Alignment alignment = Qt::AlignLeft) {
    auto *item = new QStandardItem(value);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

void startTable(QStandardItemModel &model, const QStringList &headers) {
    model.clear();
    model.setHorizontalHeaderLabels(headers);
}

} // namespace

namespace ProgressTables {

QString skillName(const QString &skill) {
    const auto *rule = std::find_if(std::begin(RuleNames), std::end(RuleNames),
                                    [&skill](const auto &name) { return name.first == skill; });
    if (rule != std::end(RuleNames))
        return QString::fromLatin1(rule->second);
    return skill.section(u':', 1);
}

QString mistakeLabel(const QString &code) {
    const std::optional<AnswerCategory> category = QuizRules::categoryOfCode(code);
    return category ? QuizRules::categoryLabel(*category) : code;
}

QString weekLabel(QDate monday) {
    return QLocale().toString(monday, u"d MMM"_s);
}

void fillSkills(QStandardItemModel &model, const QList<SkillFigures> &skills) {
    startTable(model, {u"Skill"_s, u"Kind"_s, u"Tries"_s, u"Right at first\ntry, last 10"_s,
                       u"Trend"_s, u"Strength"_s, u"Mastered"_s});
    for (const SkillFigures &skill : skills) {
        const QList<QStandardItem *> row{
            text(skillName(skill.skill)),
            text(kindOf(skill.skill)),
            number(skill.tries),
            text(skill.recentQuestions == 0
                     ? QString()
                     : u"%1 of %2"_s.arg(skill.recentFirstTryRight).arg(skill.recentQuestions),
                 Qt::AlignRight),
            text(trendText(skill.trend)),
            text(u"%1%"_s.arg(qRound(skill.strength * 100)), Qt::AlignRight),
            text(skill.mastered ? u"mastered"_s : QString()),
        };
        if (skill.mastered || skill.strength < 0.5) {
            for (QStandardItem *item : row)
                item->setBackground(skill.mastered ? MasteredGround : WeakGround);
        }
        model.appendRow(row);
    }
}

void fillSeries(QStandardItemModel &model, const QList<SeriesFigures> &series) {
    startTable(model,
               {u"Started"_s, u"Questions"_s, u"Right"_s, u"Right at\nfirst try"_s, u"Given up"_s});
    for (auto one = series.crbegin(); one != series.crend(); ++one) {
        model.appendRow(
            {text(QLocale().toString(one->started.toLocalTime(), u"ddd d MMM yyyy, HH:mm"_s)),
             number(one->questions), number(one->right), number(one->firstTryRight),
             number(one->givenUp)});
    }
}

void fillMistakes(QStandardItemModel &model, const ProgressFigures &figures) {
    QStringList headers{u"Kind of mistake"_s};
    for (const WeekFigures &week : figures.weeks)
        headers << weekLabel(week.monday);
    startTable(model, headers);
    for (const QString &kind : figures.mistakeKinds) {
        QList<QStandardItem *> row{text(mistakeLabel(kind))};
        for (const WeekFigures &week : figures.weeks) {
            const int count = week.mistakes.value(kind);
            row << (count == 0 ? text({}) : number(count));
        }
        model.appendRow(row);
    }
}

} // namespace ProgressTables

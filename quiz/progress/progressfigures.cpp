#include "quiz/progress/progressfigures.h"

#include "quiz/practice/practicemodel.h"
#include "quiz/practice/skills.h"
#include "quiz/practice/triedquestion.h"

#include <QHash>

#include <algorithm>
#include <span>

namespace {

using namespace ProgressRules;

using QuestionTries = std::span<const Attempt>;

bool isRight(Verdict verdict) {
    return verdict == Verdict::Right || verdict == Verdict::Variant;
}

QDate mondayOf(QDate day) {
    return day.addDays(1 - day.dayOfWeek());
}

// Each run of tries at one question, in turn.
template <class Visit> void forEachQuestion(const QList<Attempt> &tries, Visit visit) {
    qsizetype first = 0;
    for (qsizetype next = 1; next <= tries.size(); ++next) {
        if (next == tries.size() ||
            !(QuestionKey::of(tries[next]) == QuestionKey::of(tries[first]))) {
            visit(QuestionTries(tries.constData() + first, std::size_t(next - first)));
            first = next;
        }
    }
}

Trend trendOf(const QList<bool> &firstTriesRight) {
    const qsizetype all = firstTriesRight.size();
    const qsizetype earlier = std::min<qsizetype>(all - RecentQuestions, RecentQuestions);
    if (earlier < TrendLeastEarlier)
        return Trend::Unknown;
    const auto share = [&](qsizetype from, qsizetype count) {
        const auto start = firstTriesRight.begin() + from;
        return double(std::count(start, start + count, true)) / double(count);
    };
    const double change = share(all - RecentQuestions, RecentQuestions) -
                          share(all - RecentQuestions - earlier, earlier);
    // Shares such as 0.7 - 0.6 are not exact.
    constexpr double Rounding = 1e-9;
    if (change > TrendMargin + Rounding)
        return Trend::Better;
    if (change < -TrendMargin - Rounding)
        return Trend::Worse;
    return Trend::Steady;
}

QStringList kindsByCount(const QList<WeekFigures> &weeks) {
    QMap<QString, int> counts;
    for (const WeekFigures &week : weeks) {
        for (auto kind = week.mistakes.cbegin(); kind != week.mistakes.cend(); ++kind)
            counts[kind.key()] += kind.value();
    }
    QStringList kinds = counts.keys(); // in the order of their codes
    std::stable_sort(kinds.begin(), kinds.end(), [&counts](const QString &a, const QString &b) {
        return counts.value(a) > counts.value(b);
    });
    return kinds;
}

// Counts the tries question by question, for the skills they needed, the series they belong to
// and the weeks they were made in.
class Tally {
public:
    explicit Tally(const IonCatalogue &catalogue)
        : m_triedQuestions(catalogue) {}

    void add(const QList<Attempt> &tries) {
        QHash<int, qsizetype> seriesRows; // a list's series numbers are its own
        forEachQuestion(tries, [&](QuestionTries question) {
            countForSkills(question);
            countForSeries(question, seriesRows);
            countForWeeks(question);
        });
    }

    SkillFigures skill(const QString &skill) const {
        const Tried tried = m_skills.value(skill);
        const qsizetype recent = std::min<qsizetype>(tried.firstTriesRight.size(), RecentQuestions);
        SkillFigures figures;
        figures.skill = skill;
        figures.tries = tried.tries;
        figures.recentQuestions = int(recent);
        figures.recentFirstTryRight = int(
            std::count(tried.firstTriesRight.end() - recent, tried.firstTriesRight.end(), true));
        figures.trend = trendOf(tried.firstTriesRight);
        return figures;
    }

    const QList<SeriesFigures> &series() const { return m_series; }

    QList<WeekFigures> weeks() const {
        QList<WeekFigures> weeks;
        if (!m_latestDay.isValid())
            return weeks;
        const QDate lastMonday = mondayOf(m_latestDay);
        QDate monday = std::max(mondayOf(m_earliestDay), lastMonday.addDays(-7 * (ShownWeeks - 1)));
        for (; monday <= lastMonday; monday = monday.addDays(7))
            weeks.append({monday, m_mistakesByWeek.value(monday)});
        return weeks;
    }

private:
    struct Tried {
        int tries = 0;
        QList<bool> firstTriesRight; // one per question, oldest first
    };

    void countForSkills(QuestionTries question) {
        const bool firstTryRight = isRight(question.front().verdict);
        for (const QString &skill :
             Skills::exercisedBy(m_triedQuestions.questionOf(question.front()))) {
            Tried &tried = m_skills[skill];
            tried.tries += int(question.size());
            tried.firstTriesRight.append(firstTryRight);
        }
    }

    void countForSeries(QuestionTries question, QHash<int, qsizetype> &seriesRows) {
        const Attempt &first = question.front();
        auto row = seriesRows.constFind(first.series);
        if (row == seriesRows.cend()) {
            row = seriesRows.insert(first.series, m_series.size());
            m_series.append({first.time, 0, 0, 0, 0});
        }
        SeriesFigures &series = m_series[*row];
        ++series.questions;
        series.firstTryRight += isRight(first.verdict);
        series.right += std::any_of(question.begin(), question.end(),
                                    [](const Attempt &a) { return isRight(a.verdict); });
        series.givenUp += std::any_of(question.begin(), question.end(), [](const Attempt &a) {
            return a.verdict == Verdict::GaveUp;
        });
    }

    void countForWeeks(QuestionTries question) {
        for (const Attempt &attempt : question) {
            const QDate day = m_days.dayOf(attempt.time);
            if (!m_latestDay.isValid() || day > m_latestDay)
                m_latestDay = day;
            if (!m_earliestDay.isValid() || day < m_earliestDay)
                m_earliestDay = day;
            if (attempt.verdict == Verdict::Wrong)
                ++m_mistakesByWeek[mondayOf(day)][attempt.category];
        }
    }

    TriedQuestions m_triedQuestions;
    LocalDays m_days;
    QHash<QString, Tried> m_skills;
    QList<SeriesFigures> m_series;
    QMap<QDate, QMap<QString, int>> m_mistakesByWeek;
    QDate m_earliestDay;
    QDate m_latestDay;
};

} // namespace

ProgressFigures progressFigures(const IonCatalogue &catalogue, const QList<Attempt> &earlier,
                                const QList<Attempt> &thisRun, QDate today) {
    Tally tally(catalogue);
    PracticeModel model(catalogue);
    for (const QList<Attempt> *tries : {&earlier, &thisRun}) {
        tally.add(*tries);
        model.learnFrom(*tries);
    }
    ProgressFigures figures;
    for (const QString &skill : Skills::all(catalogue)) {
        SkillFigures &skillFigures = figures.skills.emplace_back(tally.skill(skill));
        skillFigures.strength = model.strength(skill, today);
        skillFigures.mastered = model.isMastered(skill, today);
    }
    std::stable_sort(
        figures.skills.begin(), figures.skills.end(),
        [](const SkillFigures &a, const SkillFigures &b) { return a.strength < b.strength; });
    figures.tries = int(earlier.size() + thisRun.size());
    figures.series = tally.series();
    figures.weeks = tally.weeks();
    figures.mistakeKinds = kindsByCount(figures.weeks);
    return figures;
}

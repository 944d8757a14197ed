#include "tools/classtally.h"

#include "quiz/feedback/answerfeedback.h"

#include <algorithm>

namespace {

// Rounded to the nearest whole number, halves up.
int percent(qint64 part, qint64 whole) {
    return whole == 0 ? 0 : int((200 * part + whole) / (2 * whole));
}

// The highest count first; equal counts in the order of their names, so that the same files
// always give the same report.
template <typename Line>
void sortByCount(QList<Line> &lines, int Line::*count, QString Line::*name) {
    std::sort(lines.begin(), lines.end(), [count, name](const Line &a, const Line &b) {
        return a.*count != b.*count ? a.*count > b.*count : a.*name < b.*name;
    });
}

} // namespace

// The two answers typed most often; of those typed as often, the one met first.
QList<ClassTally::Answer> ClassTally::mostTyped(const QHash<Answer, AnswerCount> &answers) {
    using Entry = QHash<Answer, AnswerCount>::const_iterator;
    QList<Entry> entries;
    for (auto entry = answers.cbegin(); entry != answers.cend(); ++entry)
        entries.append(entry);
    const auto shown = entries.begin() + std::min<qsizetype>(2, entries.size());
    std::partial_sort(entries.begin(), shown, entries.end(), [](Entry a, Entry b) {
        return a->count != b->count ? a->count > b->count : a->firstSeen < b->firstSeen;
    });
    QList<Answer> examples;
    for (auto entry = entries.begin(); entry != shown; ++entry)
        examples.append(entry->key());
    return examples;
}

ClassTally::ClassTally(QDateTime since)
    : m_since(std::move(since)) {}

bool ClassTally::startsSeries(const ResultsFile::Row &row) const {
    const Attempt &a = row.attempt;
    return !m_previous || row.student != m_previous->student || a.series != m_previous->series ||
           a.question < m_previous->question ||
           (a.question == m_previous->question && m_previous->questionEnded);
}

void ClassTally::add(const ResultsFile::Row &row) {
    const Attempt &a = row.attempt;
    if (m_since.isValid() && a.time < m_since)
        return;
    const bool newSeries = startsSeries(row);
    const bool newQuestion = newSeries || a.question != m_previous->question;
    m_previous = Place{row.student, a.series, a.question, a.verdict != Verdict::Wrong};

    ++m_tries;
    StudentCount &student = m_students[row.student];
    ++student.tries;
    student.series += newSeries;
    if (newQuestion) {
        ++student.questions;
        student.firstTryRight += a.verdict == Verdict::Right || a.verdict == Verdict::Variant;
    }
    const bool missed = a.verdict == Verdict::Wrong || a.verdict == Verdict::GaveUp;
    countIon(ResultsFile::cationLabel(a), missed);
    countIon(a.anionName, missed);
    if (a.verdict != Verdict::Wrong)
        return;

    ++m_wrongTries;
    const QString code = a.category.isEmpty()
                             ? QString(QuizRules::categoryCode(AnswerCategory::Unclassified))
                             : a.category;
    ++student.mistakes[code];
    CategoryCount &category = m_categories[code];
    ++category.wrongTries;
    AnswerCount &answer = category.answers[Answer{a.shown, a.typed}];
    if (answer.count++ == 0)
        answer.firstSeen = m_wrongTries;
}

void ClassTally::countIon(const QString &name, bool missed) {
    if (name.isEmpty())
        return;
    IonCount &ion = m_ions[name];
    ++ion.tries;
    ion.missed += missed;
}

ClassSummary ClassTally::summary() const {
    ClassSummary summary;
    summary.tries = m_tries;
    summary.wrongTries = m_wrongTries;

    for (auto category = m_categories.cbegin(); category != m_categories.cend(); ++category) {
        CategoryShare share{
            category.key(), category->wrongTries, percent(category->wrongTries, m_wrongTries), {}};
        share.examples = mostTyped(category->answers);
        summary.categories.append(share);
    }
    sortByCount(summary.categories, &CategoryShare::wrongTries, &CategoryShare::code);

    for (auto ion = m_ions.cbegin(); ion != m_ions.cend(); ++ion) {
        if (ion->missed > 0)
            summary.ions.append({ion.key(), ion->missed, ion->tries});
    }
    sortByCount(summary.ions, &IonMisses::missedTries, &IonMisses::name);

    for (auto student = m_students.cbegin(); student != m_students.cend(); ++student) {
        StudentFigures figures{student.key(),
                               student->series,
                               student->tries,
                               percent(student->firstTryRight, student->questions),
                               {}};
        int most = 0;
        for (auto mistake = student->mistakes.cbegin(); mistake != student->mistakes.cend();
             ++mistake) {
            if (*mistake > most || (*mistake == most && mistake.key() < figures.topCategory)) {
                most = *mistake;
                figures.topCategory = mistake.key();
            }
        }
        summary.students.append(figures);
    }
    sortByCount(summary.students, &StudentFigures::series, &StudentFigures::name);
    return summary;
}

#include "tools/classreport.h"

#include "quiz/feedback/answerfeedback.h"
#include "quiz/resultsfile.h"
#include "tools/checkcommand.h"
#include "tools/classtally.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

using namespace Qt::StringLiterals;

QByteArray withoutLineEnd(QByteArray line) {
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// Counts the file's tries; false, with a line on err, when it is no results file Ionarch wrote
// in this version, or when it has damaged lines, which are left out: the first named, the
// others counted, so that a file of garbage does not flood the terminal.
bool readResultsFile(const QString &path, ClassTally &tally, QTextStream &err) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << name << ": cannot be read (" << file.errorString() << "), left out\n";
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    const ResultsFile::Kind kind = ResultsFile::kindOf(lines.first());
    if (kind == ResultsFile::Kind::NewerVersion) {
        err << name << ": written by a newer Ionarch in a format this checker cannot read, "
            << "left out\n";
        return false;
    }
    if (kind == ResultsFile::Kind::Other ||
        withoutLineEnd(lines.value(1)) != ResultsFile::columns().join(u'\t').toUtf8()) {
        err << name << ": not a results file, left out\n";
        return false;
    }
    qsizetype damaged = 0;
    for (qsizetype index = 2; index < lines.size(); ++index) {
        const QByteArray line = withoutLineEnd(lines[index]);
        if (line.isEmpty())
            continue;
        QString why;
        if (const auto row = ResultsFile::parseLine(QString::fromUtf8(line), &why))
            tally.add(*row);
        else if (damaged++ == 0)
            err << name << ": line " << index + 1 << " is damaged (" << why << "), left out\n";
    }
    if (damaged > 1)
        err << name << ": " << damaged - 1 << " more damaged line" << (damaged > 2 ? "s" : "")
            << " left out\n";
    return damaged == 0;
}

QString categoryLabel(const QString &code) {
    const std::optional<AnswerCategory> category = QuizRules::categoryOfCode(code);
    return category ? QuizRules::categoryLabel(*category)
                    : code + u" (a kind of mistake this checker does not know)"_s;
}

// The widest of the numbers, written out.
template <typename Line>
qsizetype widthOf(const QList<Line> &lines, int Line::*number, qsizetype least = 1) {
    for (const Line &line : lines)
        least = std::max(least, QString::number(line.*number).size());
    return least;
}

void writeText(const ClassSummary &summary, const QDate &since, QTextStream &out) {
    const QString from =
        since.isValid() ? u", from "_s + since.toString(Qt::ISODate) + u" on"_s : QString();
    if (summary.tries == 0) {
        out << "Class report: no tries" << from << ".\n";
        return;
    }
    out << "Class report: " << summary.students.size() << " students, " << summary.tries
        << " tries, " << summary.wrongTries << " of them wrong" << from << ".\n";

    if (!summary.categories.isEmpty()) {
        out << "\nMistakes, by their share of the wrong tries\n";
        const qsizetype count = widthOf(summary.categories, &CategoryShare::wrongTries);
        const QString indent(2 + 4 + 2 + count + 2, u' ');
        for (const CategoryShare &category : summary.categories) {
            out << "  " << u"%1%"_s.arg(category.sharePercent, 3) << "  "
                << u"%1"_s.arg(category.wrongTries, int(count)) << "  "
                << categoryLabel(category.code) << '\n';
            for (const auto &[shown, typed] : category.examples)
                out << indent << "for " << shown << " typed \"" << typed << "\"\n";
        }
    }

    if (!summary.ions.isEmpty()) {
        out << "\nIons missed most: tries wrong or given up, of all tries\n";
        const qsizetype missed = widthOf(summary.ions, &IonMisses::missedTries);
        const qsizetype tries = widthOf(summary.ions, &IonMisses::tries);
        for (const IonMisses &ion : summary.ions)
            out << "  " << u"%1"_s.arg(ion.missedTries, int(missed)) << " of "
                << u"%1"_s.arg(ion.tries, int(tries)) << "  " << ion.name << '\n';
    }

    const QStringList titles{u"Student"_s, u"Series"_s, u"Tries"_s, u"Right at first try"_s,
                             u"Most frequent mistake"_s};
    qsizetype nameWidth = titles[0].size();
    for (const StudentFigures &student : summary.students)
        nameWidth = std::max(nameWidth, student.name.size());
    const qsizetype series = widthOf(summary.students, &StudentFigures::series, titles[1].size());
    const qsizetype tries = widthOf(summary.students, &StudentFigures::tries, titles[2].size());
    const qsizetype right = titles[3].size();
    out << '\n'
        << titles[0].leftJustified(nameWidth) << "  " << titles[1] << "  " << titles[2] << "  "
        << titles[3] << "  " << titles[4] << '\n';
    for (const StudentFigures &student : summary.students) {
        out << student.name.leftJustified(nameWidth) << "  "
            << u"%1"_s.arg(student.series, int(series)) << "  "
            << u"%1"_s.arg(student.tries, int(tries)) << "  "
            << u"%1%"_s.arg(student.firstTryRightPercent, int(right) - 1) << "  "
            << (student.topCategory.isEmpty() ? u"none"_s : categoryLabel(student.topCategory))
            << '\n';
    }
}

void writeTsv(const ClassSummary &summary, QTextStream &out) {
    for (const CategoryShare &category : summary.categories)
        out << "category\t" << category.code << '\t' << category.wrongTries << '\t'
            << category.sharePercent << '\n';
    for (const IonMisses &ion : summary.ions)
        out << "ion\t" << ion.name << '\t' << ion.missedTries << '\t' << ion.tries << '\n';
    for (const StudentFigures &student : summary.students)
        out << "student\t" << student.name << '\t' << student.series << '\t' << student.tries
            << '\t' << student.firstTryRightPercent << '\t'
            << (student.topCategory.isEmpty() ? u"-"_s : student.topCategory) << '\n';
}

} // namespace

int reportOnClass(const QString &folder, const QDate &since, bool tsv, QTextStream &out,
                  QTextStream &err) {
    const QDir dir(folder);
    if (!dir.exists()) {
        err << folder << ": no such folder\n";
        return CheckFatalFile;
    }
    ClassTally tally(since.isValid() ? QDateTime(since, QTime(0, 0)) : QDateTime());
    bool allRead = true;
    // In the order of their names, so that the report's examples never depend on the disk.
    for (const QString &name : dir.entryList({u"*.tsv"_s}, QDir::Files, QDir::Name))
        allRead = readResultsFile(dir.filePath(name), tally, err) && allRead;
    const ClassSummary summary = tally.summary();
    if (tsv)
        writeTsv(summary, out);
    else
        writeText(summary, since, out);
    return allRead ? CheckDone : CheckResultsLeftOut;
}

#include "quiz/resultsfile.h"

#include "catalogue/namingtables.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace ResultsFile {

namespace {

using namespace Qt::StringLiterals;

constexpr std::array<QLatin1StringView, 4> VerdictCodes = {"right"_L1, "variant"_L1, "wrong"_L1,
                                                           "gave-up"_L1};

QString field(QString text) {
    static const QRegularExpression breaks(u"[\t\r\n]"_s);
    return text.replace(breaks, u" "_s);
}

QString timeText(const QDateTime &time) {
    return time.toUTC().toString(Qt::ISODate);
}

} // namespace

const QStringList &columns() {
    static const QStringList names =
        u"time student series question kind asked shown expected "
        u"typed verdict category help cation anion datafile"_s.split(u' ');
    return names;
}

QByteArray header() {
    return (Signature + u'\t' + QString::number(Version) + u'\n' + columns().join(u'\t') + u'\n')
        .toUtf8();
}

QLatin1StringView verdictCode(Verdict verdict) {
    return VerdictCodes[std::size_t(verdict)];
}

QLatin1StringView kindCode(CompoundKind kind) {
    return kind == CompoundKind::Ionic ? "ionic"_L1 : "covalent"_L1;
}

QString cationLabel(const Attempt &attempt) {
    if (!attempt.multivalent)
        return attempt.cationName;
    return attempt.cationName + u'(' + NamingTables::romanNumeral(attempt.cationCharge.toInt()) +
           u')';
}

QByteArray line(const Row &row) {
    const Attempt &a = row.attempt;
    const QStringList fields{timeText(a.time),
                             row.student,
                             QString::number(a.series),
                             QString::number(a.question),
                             kindCode(a.kind),
                             a.askName ? u"name"_s : u"formula"_s,
                             a.shown,
                             a.expected,
                             a.typed,
                             verdictCode(a.verdict),
                             a.category,
                             a.helpUsed ? u"yes"_s : u"no"_s,
                             cationLabel(a),
                             a.anionName,
                             row.dataFile};
    QStringList cleaned;
    for (const QString &text : fields)
        cleaned << field(text);
    return (cleaned.join(u'\t') + u'\n').toUtf8();
}

Kind kindOf(const QByteArray &firstLine) {
    // Editors on Windows may save the file with a byte order mark.
    const QByteArray unmarked =
        firstLine.startsWith("\xEF\xBB\xBF") ? firstLine.sliced(3) : firstLine;
    const QList<QByteArray> parts = unmarked.trimmed().split('\t');
    if (parts.size() != 2 || parts[0] != Signature.latin1())
        return Kind::Other;
    bool number = false;
    const int version = parts[1].toInt(&number);
    if (!number || version < 1)
        return Kind::Other;
    return version > Version ? Kind::NewerVersion : Kind::Results;
}

std::optional<Row> parseLine(const QString &text, QString *why) {
    const auto damaged = [why](const QString &reason) -> std::optional<Row> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QStringList f = text.split(u'\t');
    if (f.size() != columns().size())
        return damaged(u"%1 fields, not %2"_s.arg(f.size()).arg(columns().size()));
    Row row;
    row.student = f[1];
    row.dataFile = f[14];
    Attempt &a = row.attempt;
    a.time = QDateTime::fromString(f[0], Qt::ISODate);
    bool seriesRead = false;
    bool questionRead = false;
    a.series = f[2].toInt(&seriesRead);
    a.question = f[3].toInt(&questionRead);
    if (!a.time.isValid() || !seriesRead || !questionRead)
        return damaged(u"no time, series or question number"_s);
    if (f[4] != u"ionic" && f[4] != u"covalent")
        return damaged(u"kind \"%1\""_s.arg(f[4]));
    a.kind = f[4] == u"ionic" ? CompoundKind::Ionic : CompoundKind::SimpleCovalent;
    if (f[5] != u"name" && f[5] != u"formula")
        return damaged(u"asked \"%1\""_s.arg(f[5]));
    a.askName = f[5] == u"name";
    a.shown = f[6];
    a.expected = f[7];
    a.typed = f[8];
    const auto verdict = std::find(VerdictCodes.begin(), VerdictCodes.end(), f[9]);
    if (verdict == VerdictCodes.end())
        return damaged(u"verdict \"%1\""_s.arg(f[9]));
    a.verdict = Verdict(verdict - VerdictCodes.begin());
    a.category = f[10];
    a.helpUsed = f[11] == u"yes";
    static const QRegularExpression numeral(u"^(.*)\\(([IVX]+)\\)$"_s);
    a.cationName = f[12];
    if (const QRegularExpressionMatch match = numeral.match(f[12]); match.hasMatch()) {
        const QStringView written = match.capturedView(2);
        const auto &numerals = NamingTables::RomanNumerals;
        const auto value =
            std::find_if(numerals.begin() + 1, numerals.end(),
                         [written](const char *n) { return written == QLatin1StringView(n); });
        if (value != numerals.end()) {
            a.cationName = match.captured(1);
            a.cationCharge = QString::number(value - numerals.begin());
            a.multivalent = true;
        }
    }
    a.anionName = f[13];
    return row;
}

} // namespace ResultsFile

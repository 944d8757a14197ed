#include "tools/sim/studentsfile.h"

std::optional<QList<StudentLine>> readStudents(const QString &text, const QStringList &knownSkills,
                                               QString &problem) {
    QList<StudentLine> students;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto fault = [&](const QString &text) {
            problem = QString::number(index + 1) + QStringLiteral(": ") + text;
            return std::nullopt;
        };
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2 || fields.first().isEmpty())
            return fault(QStringLiteral("expected NAME<TAB>SKILL,SKILL,..."));
        StudentLine student{fields.first(), {}};
        for (const QString &skill : fields.last().split(u',', Qt::SkipEmptyParts)) {
            if (!knownSkills.contains(skill.trimmed()))
                return fault(QStringLiteral("%1 is not a skill of the questions practised")
                                 .arg(skill.trimmed()));
            student.unknownSkills.insert(skill.trimmed());
        }
        students.append(student);
    }
    return students;
}

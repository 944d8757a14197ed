#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

struct StudentLine {
    QString name;
    QSet<QString> unknownSkills;
};

// A students file: one student a line, NAME<TAB>SKILL,SKILL,... naming the skills the student
// does not know; empty lines and lines starting with # are passed over. Every skill must be
// one of the known ones. Empty, with the first fault as "LINE: TEXT" in problem, when a line
// breaks these rules.
std::optional<QList<StudentLine>> readStudents(const QString &text, const QStringList &knownSkills,
                                               QString &problem);

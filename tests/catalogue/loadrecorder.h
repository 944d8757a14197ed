#pragma once

#include "iontableinfo.h"
#include "loader.h"

#include <QStringList>

// Keeps what a load says as short lines, so that test rows can list their expectations:
// "LINE: TITLE: TEXT" for a message box (" [error icon]" added when it has one), and
// "LINE: warning" for a warning, whose wording is free.
class LoadRecorder final : public LoadDiagnostics {
public:
    void message(int line, const Message &message) override {
        const bool okOnly = message.buttons == MessageButtons::Ok;
        findings << QStringLiteral("%1: %2: %3").arg(line).arg(message.shownTitle(), message.text) +
                        (message.icon == MessageIcon::Error ? QStringLiteral(" [error icon]")
                                                            : QString()) +
                        (okOnly ? QString() : QStringLiteral(" [not just OK]"));
        if (message.icon != MessageIcon::None && message.icon != MessageIcon::Error)
            findings << QStringLiteral("unexpected icon");
    }
    void warning(int line, const QString &) override {
        findings << QString::number(line) + QStringLiteral(": warning");
    }

    QStringList findings;
};

// Every stored entry as "Table row: Name|Formula|Charges", tables in their order.
inline QStringList storedEntries(const IonCatalogue &catalogue) {
    QStringList entries;
    for (const IonTableInfo &info : IonTables) {
        const IonCategory &table = catalogue.table(info.table);
        for (int row = 1; row <= table.count(); ++row) {
            const IonEntry &entry = table.entry(row);
            entries << QStringLiteral("%1 %2: %3|%4|%5")
                           .arg(QLatin1String(info.name), QString::number(row), entry.Name,
                                entry.Formula, entry.Charges);
        }
    }
    return entries;
}

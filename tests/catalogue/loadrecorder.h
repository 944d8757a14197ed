#pragma once

#include "iontableinfo.h"
#include "loader.h"

#include <QStringList>

// Keeps what a load says as short lines: "LINE: TITLE: TEXT" for a message box, marked when
// it has an icon or buttons other than OK, and "LINE: warning" for a warning, whose wording
// is free.
class LoadRecorder final : public LoadDiagnostics {
public:
    void message(int line, const Message &message) override {
        const char *icon = message.icon == MessageIcon::Error  ? " [error icon]"
                           : message.icon == MessageIcon::None ? ""
                                                               : " [other icon]";
        findings << QStringLiteral("%1: %2: ").arg(line).arg(message.shownTitle()) + message.text +
                        icon + (message.buttons == MessageButtons::Ok ? "" : " [not just OK]");
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

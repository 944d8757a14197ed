#include "catalogue/datatext.h"
#include "catalogue/iontableinfo.h"
#include "catalogue/listings.h"
#include "catalogue/loader.h"

#include <array>

namespace {

// The three fields of an entry line, still in the line: most lines of a long file are
// refused, and only a stored entry needs strings of its own.
struct EntryFields {
    QStringView Name;
    QStringView Formula;
    QStringView Charges;
};

// Name before the first comma; Formula up to a second comma, if any; Charges all the rest,
// further commas included. Nothing is trimmed.
std::optional<EntryFields> splitEntryLine(QStringView line) {
    const qsizetype firstComma = line.indexOf(u',');
    if (firstComma < 0)
        return std::nullopt;
    const qsizetype secondComma = line.indexOf(u',', firstComma + 1);
    if (secondComma < 0)
        return EntryFields{line.first(firstComma), line.sliced(firstComma + 1), {}};
    return EntryFields{line.first(firstComma),
                       line.sliced(firstComma + 1, secondComma - firstComma - 1),
                       line.sliced(secondComma + 1)};
}

// Long enough for any real field. A runaway field is quoted by its start and its length, so
// that a warning stays readable and costs no copy of a megabyte-long line.
constexpr qsizetype QuotedLimit = 60;

QString quoted(QStringView text) {
    if (text.size() <= QuotedLimit)
        return u'"' + text.toString() + u'"';
    return u'"' + text.first(QuotedLimit).toString() +
           QStringLiteral("...\" (%1 characters)").arg(text.size());
}

// The quiz divides by charges and indexes the naming tables with them: a 0, or an anion
// charge of two digits, could never make a compound.
QString unusableChargesReason(const IonTableInfo &info, QStringView charges) {
    if (charges.contains(u'0'))
        return QStringLiteral("a charge of 0 can never make a compound");
    if (info.singleCharge && charges.size() > 1)
        return QStringLiteral("an anion has one charge of a single digit, not ") + quoted(charges);
    return {};
}

Message notNumericMessage(QStringView charges) {
    return {QStringLiteral("NAN:") + charges.toString(), QString(), MessageIcon::None,
            MessageButtons::Ok};
}

// Made once per table: in a long file every further entry of a full table overflows.
const Message &overflowMessage(IonTable table) {
    static const std::array<Message, IonTableCount> messages = [] {
        std::array<Message, IonTableCount> all;
        for (const IonTableInfo &info : IonTables)
            all[std::size_t(info.table)] = {
                QStringLiteral("There is a maximum of %1%2 in any one category")
                    .arg(QString::number(IonCategory::Capacity), QLatin1String(info.overflowNoun)),
                QStringLiteral("ERROR: Data Overflow %1").arg(IonCategory::Capacity + 1),
                MessageIcon::Error, MessageButtons::Ok};
        return all;
    }();
    return messages[std::size_t(table)];
}

void warnAboutEdgeSpaces(const IonEntry &entry, int lineNumber, LoadDiagnostics &diagnostics) {
    const auto check = [&](const char *what, const QString &field) {
        if (field.startsWith(u' ') || field.endsWith(u' '))
            diagnostics.warning(lineNumber, QLatin1String(what) + quoted(field) +
                                                QStringLiteral(" has a space at its start or end, "
                                                               "which the quiz keeps"));
    };
    check("the name ", entry.Name);
    check("the formula ", entry.Formula);
}

} // namespace

void ParseEntryLine(QStringView line, SectionCode section, int lineNumber, IonCatalogue &catalogue,
                    LoadDiagnostics &diagnostics) {
    const auto drop = [&](const QString &reason) {
        diagnostics.warning(lineNumber, reason + QStringLiteral(": line ignored"));
    };
    if (line.startsWith(u'['))
        diagnostics.warning(lineNumber,
                            QStringLiteral("starts with \"[\" but is no section header; "
                                           "a header stands alone on its line"));

    const std::optional<EntryFields> fields = splitEntryLine(line);
    if (!fields) {
        if (!line.isEmpty())
            drop(QStringLiteral("no comma, so no entry"));
        return;
    }
    EntryFields entry = *fields;
    if (entry.Name.isEmpty())
        return drop(QStringLiteral("empty name"));
    if (entry.Formula.isEmpty())
        return drop(QStringLiteral("empty formula"));

    const bool chargesRequired = !section || ionTableInfo(*section).usesCharges;
    if (chargesRequired && entry.Charges.isEmpty())
        return drop(QStringLiteral("no charge field"));
    if (chargesRequired && !isNumericText(entry.Charges))
        return diagnostics.message(lineNumber, notNumericMessage(entry.Charges));
    if (!isDigits(entry.Charges))
        return drop(QStringLiteral("the charge field ") + quoted(entry.Charges) +
                    QStringLiteral(" holds a character other than the digits 0 to 9"));
    if (!section)
        return drop(QStringLiteral("entry before the first section header"));

    const IonTableInfo &info = ionTableInfo(*section);
    if (!info.usesCharges && !entry.Charges.isEmpty()) {
        diagnostics.warning(lineNumber, QStringLiteral("the third field ") + quoted(entry.Charges) +
                                            QStringLiteral(" is not used in this section"));
        entry.Charges = {};
    }
    if (const QString reason = unusableChargesReason(info, entry.Charges); !reason.isEmpty())
        return drop(reason);

    IonCategory &table = catalogue.table(*section);
    if (table.isFull())
        return diagnostics.message(lineNumber, overflowMessage(*section));
    const IonEntry stored{entry.Name.toString(), entry.Formula.toString(),
                          entry.Charges.toString()};
    warnAboutEdgeSpaces(stored, lineNumber, diagnostics);
    table.append(stored);
    appendListingRow(catalogue.listings, *section, stored);
}

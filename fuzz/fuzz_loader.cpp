// The loader on arbitrary bytes: whatever the file holds, the catalogue keeps every promise
// that the quiz and the help window rely on.

#include "fuzzcheck.h"
#include "iontableinfo.h"
#include "listings.h"
#include "loader.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

class BoxCounter final : public MessageSink {
public:
    MessageAnswer show(const Message &) override {
        ++boxes;
        return MessageAnswer::Ok;
    }
    int boxes = 0;
};

// Checks that the load reports line by line and ends once, and hands every report on to
// the program's message boxes.
class CheckedDiagnostics final : public LoadDiagnostics {
public:
    explicit CheckedDiagnostics(LoadDiagnostics &program)
        : m_program(program) {}

    void message(int line, const Message &message) override {
        noteLine(line);
        ++messages;
        m_program.message(line, message);
    }
    void warning(int line, const QString &text) override {
        noteLine(line);
        m_program.warning(line, text);
    }
    void finished() override {
        require(!ended, "a load ends once");
        ended = true;
        m_program.finished();
    }

    int messages = 0;
    bool ended = false;

private:
    void noteLine(int line) {
        require(!ended, "nothing is reported after the end of the load");
        require(line >= 1 && line >= m_lastLine, "reports come in file order, from line 1");
        m_lastLine = line;
    }

    LoadDiagnostics &m_program;
    int m_lastLine = 1;
};

bool isAnionTable(IonTable table) {
    // The five anion tables stand together in IonTable.
    return table >= IonTable::AnionsSimple && table <= IonTable::AnionsOther;
}

void checkEntries(const IonCatalogue &catalogue) {
    for (const IonTableInfo &info : IonTables) {
        const IonCategory &table = catalogue.table(info.table);
        require(table.count() >= 0 && table.count() <= IonCategory::Capacity,
                "a table holds 0 to 40 entries");
        for (int row = 1; row <= table.count(); ++row) {
            const IonEntry &entry = table.entry(row);
            require(!entry.Name.isEmpty() && !entry.Formula.isEmpty(),
                    "every entry has a name and a formula");
            require(!entry.Name.startsWith(u' ') && !entry.Name.startsWith(u';'),
                    "a name starts where its trimmed, uncommented line starts");
            for (const QString *field : {&entry.Name, &entry.Formula})
                require(!field->contains(u',') && !field->contains(u'\r') &&
                            !field->contains(u'\n'),
                        "no name or formula holds a comma or a line end");
            if (info.table == IonTable::CovalentComplex) {
                require(entry.Charges.isEmpty(), "complex compounds keep no charges");
                continue;
            }
            require(!entry.Charges.isEmpty() &&
                        std::all_of(entry.Charges.begin(), entry.Charges.end(),
                                    [](QChar c) { return c >= u'1' && c <= u'9'; }),
                    "charges are the digits 1 to 9");
            require(!isAnionTable(info.table) || entry.Charges.size() == 1,
                    "an anion has one charge");
        }
    }
}

// A listing holds headings of its own tables, the first table's only at its very start and
// every other one after an empty line, and below each heading rows of that heading's table.
// Taken together, a table's rows are its last entries in order: only a repeated header of
// the listing's first table starts it afresh and hides the rows above.
void checkListing(const IonCatalogue &catalogue, QString ListingTexts::*listing) {
    const QString &text = catalogue.listings.*listing;
    require(text.isEmpty() || text.endsWith(QLatin1String("\r\n")), "listing lines end in CR LF");
    // IonTables names the first table of each listing before its others.
    QList<IonTable> tables;
    QStringList headings;
    for (const IonTableInfo &info : IonTables) {
        if (info.listing == listing) {
            tables.append(info.table);
            headings.append(listingHeading(info.table).chopped(2));
        }
    }

    QList<QStringView> lines = QStringView(text).split(u"\r\n");
    lines.removeLast();
    std::array<QStringList, IonTableCount> rows;
    std::optional<IonTable> current;
    bool afterEmptyLine = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.isEmpty()) {
            require(!afterEmptyLine, "one empty line at a time");
            afterEmptyLine = true;
            continue;
        }
        if (const qsizetype heading = headings.indexOf(line); heading >= 0) {
            require(heading == 0 ? i == 0 : afterEmptyLine,
                    "the first heading starts the listing, the others follow an empty line");
            current = tables[heading];
        } else {
            require(current && !afterEmptyLine, "rows stand right below a heading or a row");
            rows[std::size_t(*current)].append(line.toString());
        }
        afterEmptyLine = false;
    }
    require(!afterEmptyLine, "an empty line comes before a heading");

    for (IonTable id : tables) {
        const IonCategory &table = catalogue.table(id);
        const QStringList &listed = rows[std::size_t(id)];
        require(listed.size() <= table.count(), "the listing shows no more rows than entries");
        const int firstListed = table.count() - int(listed.size()) + 1;
        for (int row = firstListed; row <= table.count(); ++row)
            require(listed[row - firstListed] + QLatin1String("\r\n") ==
                        listingRow(id, table.entry(row)),
                    "a table's rows are its last entries, in order");
        const bool firstHeaderSeen =
            listed.size() < table.count() || (id == tables.first() && table.count() > 0);
        require(!firstHeaderSeen || text.startsWith(headings.first() + QLatin1String("\r\n")),
                "only the first table's header hides rows");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    BoxCounter sink;
    MessageBoxDiagnostics boxes(sink);
    CheckedDiagnostics diagnostics(boxes);
    IonCatalogue catalogue;
    loadIons(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), catalogue,
             diagnostics);

    require(diagnostics.ended, "a load without a fatal fault ends");
    const int limit = MessageBoxDiagnostics::BoxLimit;
    require(sink.boxes ==
                std::min(diagnostics.messages, limit) + (diagnostics.messages > limit ? 1 : 0),
            "at most 20 boxes, then one that sums up the rest");
    checkEntries(catalogue);
    for (auto listing :
         {&ListingTexts::help1, &ListingTexts::help2, &ListingTexts::helpC1, &ListingTexts::helpC2})
        checkListing(catalogue, listing);
    return 0;
}

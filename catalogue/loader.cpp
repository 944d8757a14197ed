#include "catalogue/loader.h"

#include "catalogue/datatext.h"
#include "catalogue/iontableinfo.h"
#include "catalogue/listings.h"

#include <QFile>

namespace {

constexpr QLatin1String ExitingNote("\r\n ... exiting ...");

LoadStatus endLoad(LoadDiagnostics &diagnostics, LoadStatus status, const QString &text) {
    diagnostics.message(
        0, {text, QStringLiteral("Program error:"), MessageIcon::Error, MessageButtons::Ok});
    return status;
}

QString cannotReadText(const QString &path, const QString &reason) {
    return QStringLiteral("File ") + path + QStringLiteral(" can't be read: ") + reason + u'.' +
           ExitingNote;
}

// Only the first table of a listing restarts it; a second such header, or one after the
// other tables of its listing, hides their rows from the help.
void warnIfListingRestarts(const IonCatalogue &catalogue, IonTable table, int lineNumber,
                           LoadDiagnostics &diagnostics) {
    const IonTableInfo &info = ionTableInfo(table);
    if (info.startsListing && !(catalogue.listings.*info.listing).isEmpty())
        diagnostics.warning(lineNumber,
                            QStringLiteral("this header starts its help listing afresh: the help "
                                           "no longer lists the entries above it, though the "
                                           "quiz still asks them"));
}

} // namespace

void MessageBoxDiagnostics::message(int line, const Message &message) {
    // A message about the whole file ends the program, so it is always seen.
    if (line != 0 && m_shown >= BoxLimit) {
        ++m_heldBack;
        return;
    }
    ++m_shown;
    m_sink.show(message);
}

void MessageBoxDiagnostics::finished() {
    if (m_heldBack == 0)
        return;
    const QString problems = m_heldBack == 1
                                 ? QStringLiteral("There is 1 more problem")
                                 : QStringLiteral("There are %1 more problems").arg(m_heldBack);
    m_sink.show({problems + QStringLiteral(" in the data file, not shown here. "
                                           "ionarch-check lists them all."),
                 QString(), MessageIcon::Warning, MessageButtons::Ok});
}

LoadStatus InitCatalogue(IonCatalogue &catalogue, RandomSource &random,
                         LoadDiagnostics &diagnostics, const QString &path) {
    random.seedFromClock();
    return LoadIonsFile(path, catalogue, diagnostics);
}

LoadStatus LoadIonsFile(const QString &path, IonCatalogue &catalogue,
                        LoadDiagnostics &diagnostics) {
    QFile file(path);
    if (!file.exists())
        return endLoad(diagnostics, LoadStatus::Missing,
                       QStringLiteral("File ") + path + QStringLiteral(" doesn't exist.") +
                           ExitingNote);
    if (!file.open(QIODevice::ReadOnly))
        return endLoad(diagnostics, LoadStatus::Unreadable,
                       cannotReadText(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return endLoad(diagnostics, LoadStatus::Unreadable,
                       cannotReadText(path, file.errorString()));
    if (bytes.isEmpty())
        return endLoad(diagnostics, LoadStatus::Empty, QStringLiteral("No data in IONS.DAT file."));
    loadIons(bytes, catalogue, diagnostics);
    return LoadStatus::Loaded;
}

void loadIons(const QByteArray &bytes, IonCatalogue &catalogue, LoadDiagnostics &diagnostics) {
    catalogue = IonCatalogue();
    SectionCode section;
    DataFileDecoder decoder(bytes);
    forEachLine(decoder.bytes(), [&](int lineNumber, QByteArrayView rawLine) {
        const QStringView line = trimSpaces(decoder.decode(rawLine));
        if (const SectionCode header = ionTableForHeader(line)) {
            warnIfListingRestarts(catalogue, *header, lineNumber, diagnostics);
            section = header;
            startListingSection(catalogue.listings, *header);
        } else if (line.startsWith(u'[') && line.endsWith(u']')) {
            diagnostics.message(lineNumber, {line.toString(), QStringLiteral("Invalid datatype"),
                                             MessageIcon::None, MessageButtons::Ok});
        } else if (!line.startsWith(u';')) {
            ParseEntryLine(line, section, lineNumber, catalogue, diagnostics);
        }
    });
    diagnostics.finished();
}

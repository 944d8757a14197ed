#pragma once

#include "ioncatalogue.h"
#include "messages.h"
#include "randomsource.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What loading ions.dat has to say. Lines are numbered from 1; 0 stands for the file.
class LoadDiagnostics {
public:
    virtual ~LoadDiagnostics() = default;
    // A message box the program shows, in file order.
    virtual void message(int line, const Message &message) = 0;
    // A problem the program passes over without a word, or mends quietly: for the checker.
    virtual void warning(int line, const QString &text) = 0;
};

// The program's way: every message becomes a modal box, warnings stay unseen.
class MessageBoxDiagnostics final : public LoadDiagnostics {
public:
    explicit MessageBoxDiagnostics(MessageSink &sink)
        : m_sink(sink) {}
    void message(int, const Message &message) override { m_sink.show(message); }
    void warning(int, const QString &) override {}

private:
    MessageSink &m_sink;
};

// Loaded, or a fatal reason: its "Program error:" message has gone out as line 0 and
// the program must end.
enum class LoadStatus { Loaded, Missing, Empty, Unreadable };

// The section in force while reading; none before the first recognised header.
using SectionCode = std::optional<IonTable>;

// Seeds the generator from the clock, then loads the data file.
LoadStatus InitCatalogue(IonCatalogue &catalogue, RandomSource &random,
                         LoadDiagnostics &diagnostics,
                         const QString &path = QStringLiteral("ions.dat"));

// Reads the whole file into the catalogue and its listings, which start empty.
LoadStatus LoadIonsFile(const QString &path, IonCatalogue &catalogue, LoadDiagnostics &diagnostics);

// The same from the file's bytes, which may be empty.
void loadIons(const QByteArray &bytes, IonCatalogue &catalogue, LoadDiagnostics &diagnostics);

// Checks one trimmed entry line of the given section and stores it, or drops it.
void ParseEntryLine(QString line, SectionCode section, int lineNumber, IonCatalogue &catalogue,
                    LoadDiagnostics &diagnostics);

#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/randomsource.h"

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
    // The whole file has been read; not called when a fatal message ended the load.
    virtual void finished() {}
};

// The program's way: messages become modal boxes, warnings stay unseen. A file with
// thousands of faulty lines must not keep the student clicking, so after BoxLimit boxes
// the rest are only counted, and one last box says how many there were. Use one object
// per load.
class MessageBoxDiagnostics final : public LoadDiagnostics {
public:
    static constexpr int BoxLimit = 20;

    explicit MessageBoxDiagnostics(MessageSink &sink)
        : m_sink(sink) {}
    void message(int line, const Message &message) override;
    void warning(int, const QString &) override {}
    void finished() override;

private:
    MessageSink &m_sink;
    int m_shown = 0;
    int m_heldBack = 0;
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
void ParseEntryLine(QStringView line, SectionCode section, int lineNumber, IonCatalogue &catalogue,
                    LoadDiagnostics &diagnostics);

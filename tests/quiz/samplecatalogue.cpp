#include "samplecatalogue.h"

#include "loader.h"

#include <QtGlobal>

namespace {

// The sample must load without a single message box.
class FailOnMessage final : public LoadDiagnostics {
public:
    void message(int line, const Message &message) override {
        qFatal("%s line %d: %s", IONARCH_SAMPLE_DATA, line, qPrintable(message.text));
    }
    void warning(int, const QString &) override {}
};

} // namespace

void addEntries(IonCatalogue &catalogue, IonTable table, std::initializer_list<IonEntry> entries) {
    for (const IonEntry &entry : entries)
        catalogue.table(table).append(entry);
}

IonCatalogue loadSampleCatalogue() {
    IonCatalogue catalogue;
    FailOnMessage diagnostics;
    LoadIonsFile(QStringLiteral(IONARCH_SAMPLE_DATA), catalogue, diagnostics);
    return catalogue;
}

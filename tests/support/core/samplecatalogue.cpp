#include "tests/support/core/samplecatalogue.h"

#include "catalogue/loader.h"

#include <QtGlobal>

namespace {

class FailOnMessage final : public LoadDiagnostics {
public:
    void message(int line, const Message &message) override {
        qFatal("data line %d: %s", line, qPrintable(message.text));
    }
    void warning(int, const QString &) override {}
};

} // namespace

IonCatalogue loadSampleCatalogue() {
    IonCatalogue catalogue;
    FailOnMessage diagnostics;
    LoadIonsFile(QStringLiteral(IONARCH_SAMPLE_DATA), catalogue, diagnostics);
    return catalogue;
}

IonCatalogue catalogueFrom(const QByteArray &file) {
    IonCatalogue catalogue;
    FailOnMessage diagnostics;
    loadIons(file, catalogue, diagnostics);
    return catalogue;
}

#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/loader.h"

#include <QByteArray>

// Loads without a word: for callers that look at what was loaded, not at what was said.
class SilentDiagnostics final : public LoadDiagnostics {
public:
    void message(int, const Message &) override {}
    void warning(int, const QString &) override {}
};

// The sample ions.dat that ships with the program, read by the program's loader; it must
// load without a single message box.
IonCatalogue loadSampleCatalogue();

// A catalogue read by the loader from the text of a data file.
IonCatalogue catalogueFrom(const QByteArray &file);

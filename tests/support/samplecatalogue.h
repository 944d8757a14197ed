#pragma once

#include "catalogue/ioncatalogue.h"

#include <QByteArray>

// The sample ions.dat that ships with the program, read by the program's loader; it must
// load without a single message box.
IonCatalogue loadSampleCatalogue();

// A catalogue read by the loader from the text of a data file.
IonCatalogue catalogueFrom(const QByteArray &file);

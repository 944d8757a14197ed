#pragma once

#include "ioncatalogue.h"

#include <initializer_list>

void addEntries(IonCatalogue &catalogue, IonTable table, std::initializer_list<IonEntry> entries);

// The sample ions.dat that ships with the program, read by the program's loader.
IonCatalogue loadSampleCatalogue();

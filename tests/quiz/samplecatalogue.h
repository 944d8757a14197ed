#pragma once

#include "ioncatalogue.h"

#include <initializer_list>

void addEntries(IonCatalogue &catalogue, IonTable table, std::initializer_list<IonEntry> entries);

// A catalogue such as a chemistry teacher would write, with every kind of formula the
// composition meets: polyatomic ions, symbols with digits, charges up to 4.
IonCatalogue sampleCatalogue();

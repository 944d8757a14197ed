#pragma once

#include "catalogue/ioncatalogue.h"

// The help listings, built line by line as the loader meets headers and entries.
// Every line ends in CR LF; field widths count characters and never cut a longer text.

// The table's display text in capitals, then CR LF.
QString listingHeading(IonTable table);

// Name and Formula padded to the table's widths, the charge part, then CR LF.
QString listingRow(IonTable table, const IonEntry &entry);

// A recognised section header: the first table of a listing starts it afresh, the others
// add an empty line and their heading to what it already holds.
void startListingSection(ListingTexts &listings, IonTable table);

void appendListingRow(ListingTexts &listings, IonTable table, const IonEntry &entry);

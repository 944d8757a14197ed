#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/quizsettings.h"

#include <QStringView>

#include <array>
#include <optional>
#include <utility>

// How an entry's Charges text ends its listing row.
enum class ChargeLayout {
    PlusWhole,     // "+" and the whole text: +1
    PlusEachDigit, // " +" before every digit: " +2 +3"
    MinusWhole,    // "-" and the whole text: -2
    Omitted,
};

// Everything that differs from table to table: its section in ions.dat, its place and
// layout in the help listings, and the rules its charge field follows.
struct IonTableInfo {
    IonTable table;
    const char *name;          // as the checker reports the table
    const char *sectionHeader; // the line that selects the table in ions.dat
    const char *displayText;   // its listing heading, before capitalisation
    QString ListingTexts::*listing;
    bool startsListing; // its header replaces the listing rather than adding to it
    int nameWidth;
    int formulaWidth;
    ChargeLayout chargeLayout;
    const char *overflowNoun; // what the overflow message calls the entries
    bool usesCharges;         // false: the charge field may be missing and is never stored
    bool singleCharge;        // the whole charge field is one charge magnitude
};

inline constexpr std::array<IonTableInfo, IonTableCount> IonTables = {{
    {IonTable::CationsMonovalent, "CationsMonovalent", "[Cations-monovalent]",
     "Cations - monovalent", &ListingTexts::help1, true, 18, 6, ChargeLayout::PlusWhole, " ions",
     true, false},
    {IonTable::CationsMultivalent, "CationsMultivalent", "[Cations-multivalent]",
     "Cations - mulitvalent", &ListingTexts::help1, false, 18, 6, ChargeLayout::PlusEachDigit, "",
     true, false},
    {IonTable::AnionsSimple, "AnionsSimple", "[Anions-simple]", "Anions - simple",
     &ListingTexts::help2, true, 21, 8, ChargeLayout::MinusWhole, "", true, true},
    {IonTable::AnionsPolyatomic, "AnionsPolyatomic", "[Anions-polyatomic]",
     "Anions - polyatomic (oxyanions)", &ListingTexts::help2, false, 21, 8,
     ChargeLayout::MinusWhole, "", true, true},
    {IonTable::AnionsDerivative, "AnionsDerivative", "[Anions-derivative]",
     "Anions - derivative oxyanions", &ListingTexts::help2, false, 21, 8, ChargeLayout::MinusWhole,
     "", true, true},
    {IonTable::AnionsHydrogen, "AnionsHydrogen", "[Anions-hydrogen]", "Anions - hydrogen+oxyanions",
     &ListingTexts::help2, false, 21, 8, ChargeLayout::MinusWhole, "", true, true},
    {IonTable::AnionsOther, "AnionsOther", "[Anions-other]", "Anions - other", &ListingTexts::help2,
     false, 21, 8, ChargeLayout::MinusWhole, "", true, true},
    {IonTable::CovalentSimple, "CovalentSimple", "[Covalent-simple]",
     "Covalent - positive oxidation numbers", &ListingTexts::helpC1, true, 21, 8,
     ChargeLayout::PlusEachDigit, " compounds", true, false},
    {IonTable::CovalentComplex, "CovalentComplex", "[Covalent-complex]",
     "Covalent - complex compounds", &ListingTexts::helpC2, true, 25, 9, ChargeLayout::Omitted,
     " compounds", false, false},
}};

inline const IonTableInfo &ionTableInfo(IonTable table) {
    return IonTables[std::size_t(table)];
}

// The anion tables in the order the anion draw walks them and the listings and rules read
// them, each with its settings bit.
inline constexpr std::array<std::pair<IonTable, AnionCategory>, 5> AnionTablesInDrawOrder = {{
    {IonTable::AnionsSimple, AnionCategory::Simple},
    {IonTable::AnionsPolyatomic, AnionCategory::Polyatomic},
    {IonTable::AnionsDerivative, AnionCategory::Derivative},
    {IonTable::AnionsHydrogen, AnionCategory::Hydrogen},
    {IonTable::AnionsOther, AnionCategory::Other},
}};

// The table whose section header the trimmed line is, compared exactly.
std::optional<IonTable> ionTableForHeader(QStringView line);

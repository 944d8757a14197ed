#include "samplecatalogue.h"

void addEntries(IonCatalogue &catalogue, IonTable table, std::initializer_list<IonEntry> entries) {
    for (const IonEntry &entry : entries)
        catalogue.table(table).append(entry);
}

IonCatalogue sampleCatalogue() {
    IonCatalogue c;
    addEntries(c, IonTable::CationsMonovalent,
               {{"sodium", "Na", "1"},
                {"potassium", "K", "1"},
                {"ammonium", "NH4", "1"},
                {"silver", "Ag", "1"},
                {"magnesium", "Mg", "2"},
                {"calcium", "Ca", "2"},
                {"zinc", "Zn", "2"},
                {"aluminium", "Al", "3"},
                {"mercury(I)", "Hg2", "2"}});
    addEntries(c, IonTable::CationsMultivalent,
               {{"iron", "Fe", "23"},
                {"copper", "Cu", "12"},
                {"tin", "Sn", "24"},
                {"lead", "Pb", "24"},
                {"chromium", "Cr", "23"},
                {"manganese", "Mn", "24"}});
    addEntries(c, IonTable::AnionsSimple,
               {{"fluoride", "F", "1"},
                {"chloride", "Cl", "1"},
                {"bromide", "Br", "1"},
                {"iodide", "I", "1"},
                {"oxide", "O", "2"},
                {"sulfide", "S", "2"},
                {"nitride", "N", "3"},
                {"phosphide", "P", "3"}});
    addEntries(c, IonTable::AnionsPolyatomic,
               {{"nitrate", "NO3", "1"},
                {"sulfate", "SO4", "2"},
                {"carbonate", "CO3", "2"},
                {"phosphate", "PO4", "3"},
                {"chlorate", "ClO3", "1"}});
    addEntries(c, IonTable::AnionsDerivative,
               {{"nitrite", "NO2", "1"},
                {"sulfite", "SO3", "2"},
                {"hypochlorite", "ClO", "1"},
                {"perchlorate", "ClO4", "1"}});
    addEntries(c, IonTable::AnionsHydrogen,
               {{"hydrogen carbonate", "HCO3", "1"},
                {"hydrogen sulfate", "HSO4", "1"},
                {"hydrogen phosphate", "HPO4", "2"},
                {"dihydrogen phosphate", "H2PO4", "1"}});
    addEntries(c, IonTable::AnionsOther,
               {{"hydroxide", "OH", "1"},
                {"cyanide", "CN", "1"},
                {"peroxide", "O2", "2"},
                {"dichromate", "Cr2O7", "2"},
                {"permanganate", "MnO4", "1"},
                {"thiosulfate", "S2O3", "2"},
                {"azide", "N3", "1"}});
    addEntries(c, IonTable::CovalentSimple,
               {{"hydrogen", "H", "1"},
                {"carbon", "C", "24"},
                {"nitrogen", "N", "12345"},
                {"phosphorus", "P", "35"},
                {"sulfur", "S", "246"},
                {"chlorine", "Cl", "1357"},
                {"iodine", "I", "1"},
                {"silicon", "Si", "4"},
                {"oxygen", "O", "2"}});
    addEntries(c, IonTable::CovalentComplex,
               {{"water", "H2O", ""},
                {"ammonia", "NH3", ""},
                {"methane", "CH4", ""},
                {"hydrogen peroxide", "H2O2", ""},
                {"ethanol", "C2H5OH", ""}});
    return c;
}

#pragma once

#include <QList>
#include <QString>

#include <array>

// One entry of a catalogue table, exactly as its line in ions.dat gave it.
struct IonEntry {
    QString Name;
    QString Formula;
    QString Charges; // digits only; always empty in CovalentComplex
};

// The nine tables, in the order the listings, the checker and the anion walk use.
enum class IonTable {
    CationsMonovalent,
    CationsMultivalent,
    AnionsSimple,
    AnionsPolyatomic,
    AnionsDerivative,
    AnionsHydrogen,
    AnionsOther,
    CovalentSimple,
    CovalentComplex,
};
inline constexpr int IonTableCount = 9;

// A table of at most 40 entries, addressed 1 to count as the quiz draws them.
class IonCategory {
public:
    static constexpr int Capacity = 40;

    int count() const { return int(m_entries.size()); }
    bool isFull() const { return count() >= Capacity; }
    // row is 1-based: 1 to count()
    const IonEntry &entry(int row) const { return m_entries.at(row - 1); }
    // Refuses (returns false) once the table holds Capacity entries.
    bool append(const IonEntry &entry);
    void clear() { m_entries.clear(); }

private:
    QList<IonEntry> m_entries;
};

// The four help listings the loader builds line by line; lines end in CR LF.
struct ListingTexts {
    QString help1;  // cations
    QString help2;  // anions
    QString helpC1; // simple covalent elements
    QString helpC2; // complex covalent compounds
};

// All the chemistry the program knows: filled once by the loader, read-only afterwards.
class IonCatalogue {
public:
    IonCategory &table(IonTable id) { return m_tables[std::size_t(id)]; }
    const IonCategory &table(IonTable id) const { return m_tables[std::size_t(id)]; }

    ListingTexts listings;

private:
    std::array<IonCategory, IonTableCount> m_tables;
};

#include "drawpool.h"

#include <numeric>

DrawPool::DrawPool(const IonCatalogue &catalogue, QList<IonTable> tables)
    : m_catalogue(catalogue)
    , m_tables(std::move(tables)) {}

DrawPool DrawPool::cations(const IonCatalogue &catalogue, qint16 cationKind) {
    switch (cationKind) {
    case SingleOxidationState:
        return {catalogue, {IonTable::CationsMonovalent}};
    case MultiOxidationState:
        return {catalogue, {IonTable::CationsMultivalent}};
    default:
        return {catalogue, {IonTable::CationsMonovalent, IonTable::CationsMultivalent}};
    }
}

DrawPool DrawPool::anions(const IonCatalogue &catalogue, qint16 anionMask) {
    QList<IonTable> ticked;
    for (const auto &[table, bit] : AnionTablesInDrawOrder) {
        if (anionMask & bit)
            ticked.append(table);
    }
    return {catalogue, ticked};
}

int DrawPool::count() const {
    return std::accumulate(m_tables.begin(), m_tables.end(), 0, [this](int sum, IonTable table) {
        return sum + m_catalogue.table(table).count();
    });
}

const IonEntry &DrawPool::entry(int row) const {
    Q_ASSERT(row >= 1 && row <= count());
    auto table = m_tables.cbegin();
    while (row > m_catalogue.table(*table).count()) {
        row -= m_catalogue.table(*table).count();
        ++table;
    }
    return m_catalogue.table(*table).entry(row);
}

#include "quiz/drawpool.h"

#include "catalogue/iontableinfo.h"

#include <numeric>

DrawPool::DrawPool(const IonCatalogue &catalogue, QList<IonTable> tables)
    : m_catalogue(catalogue)
    , m_tables(std::move(tables)) {}

DrawPool DrawPool::cations(const IonCatalogue &catalogue, CationKind kind) {
    switch (kind) {
    case CationKind::SingleOxidationState:
        return {catalogue, {IonTable::CationsMonovalent}};
    case CationKind::MultiOxidationState:
        return {catalogue, {IonTable::CationsMultivalent}};
    case CationKind::Both:
        break;
    }
    return {catalogue, {IonTable::CationsMonovalent, IonTable::CationsMultivalent}};
}

DrawPool DrawPool::anions(const IonCatalogue &catalogue, AnionMask mask) {
    QList<IonTable> ticked;
    for (const auto &[table, category] : AnionTablesInDrawOrder) {
        if (mask.testFlag(category))
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

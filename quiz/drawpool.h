#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/quizsettings.h"

#include <QList>

// Catalogue tables drawn from as one: row i of their joint count lies in the first table
// whose count reaches it, after the rows of the tables before it. Every entry of the pool
// is thus equally likely.
class DrawPool {
public:
    DrawPool(const IonCatalogue &catalogue, QList<IonTable> tables);

    // The cation table or tables that the cation setting names.
    static DrawPool cations(const IonCatalogue &catalogue, CationKind kind);
    // The anion tables whose bits are set, in draw order.
    static DrawPool anions(const IonCatalogue &catalogue, AnionMask mask);

    int count() const;
    // row is 1-based: 1 to count()
    const IonEntry &entry(int row) const;

private:
    const IonCatalogue &m_catalogue;
    QList<IonTable> m_tables;
};

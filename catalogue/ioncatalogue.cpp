#include "catalogue/ioncatalogue.h"

bool IonCategory::append(const IonEntry &entry) {
    if (isFull())
        return false;
    m_entries.append(entry);
    return true;
}

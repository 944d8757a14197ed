#include "catalogue/iontableinfo.h"

#include <algorithm>

static_assert(
    [] {
        for (std::size_t i = 0; i < IonTables.size(); ++i) {
            if (IonTables[i].table != IonTable(i))
                return false;
        }
        return true;
    }(),
    "IonTables must list the tables in the order of IonTable");

std::optional<IonTable> ionTableForHeader(QStringView line) {
    // Rules out almost every line of a file at once.
    if (!line.startsWith(u'['))
        return std::nullopt;
    const auto found = std::find_if(IonTables.begin(), IonTables.end(), [line](const auto &info) {
        return line == QLatin1String(info.sectionHeader);
    });
    if (found == IonTables.end())
        return std::nullopt;
    return found->table;
}

// Arbitrary bytes as a data file: the loader keeps only entries the quiz can use, and every
// compound of a small file's answer key composes from them, where the sanitizers would catch a
// division by zero or a naming table read out of range.

#include "catalogue/datatext.h"
#include "catalogue/iontableinfo.h"
#include "catalogue/loader.h"
#include "fuzz/fuzzcheck.h"
#include "quiz/answerkey.h"
#include "tests/support/core/samplecatalogue.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t MaxComposedSize = 2048;

void checkTables(const IonCatalogue &catalogue) {
    for (const IonTableInfo &info : IonTables) {
        const IonCategory &table = catalogue.table(info.table);
        require(table.count() <= IonCategory::Capacity, "a table holds at most 40 entries");
        for (int row = 1; row <= table.count(); ++row) {
            const IonEntry &entry = table.entry(row);
            require(!entry.Name.isEmpty() && !entry.Formula.isEmpty(),
                    "names and formulas are there");
            for (const QString *field : {&entry.Name, &entry.Formula})
                require(!field->contains(u',') && !field->contains(u'\r') &&
                            !field->contains(u'\n'),
                        "fields hold no comma and no line end");
            require(info.usesCharges ? !entry.Charges.isEmpty() && isDigits(entry.Charges) &&
                                           !entry.Charges.contains(u'0')
                                     : entry.Charges.isEmpty(),
                    "charges are digits 1 to 9, and complex compounds keep none");
            require(!info.singleCharge || entry.Charges.size() == 1, "an anion has one charge");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    IonCatalogue catalogue;
    SilentDiagnostics silent;
    loadIons(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), catalogue, silent);
    checkTables(catalogue);
    // A file the size of the sample composes thousands of compounds, a second's work under
    // the sanitizers: only small files are composed, so that the loader keeps its speed.
    if (size > MaxComposedSize)
        return 0;
    for (const AnswerKeyRow &row : answerKey(catalogue))
        require(!row.name.isEmpty() && !row.formula.isEmpty(),
                "every compound has a name and a formula");
    return 0;
}

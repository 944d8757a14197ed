// The whole answer key of an arbitrary data file: every compound composes without a fault,
// and its formula and name read back to the ions it was made of. The key is walked in the
// order answerKey promises; the checks only read, the library alone composes.

#include "answerkey.h"
#include "composition.h"
#include "drawpool.h"
#include "fuzzcheck.h"
#include "loader.h"
#include "namingtables.h"

#include <QList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

namespace {

int digitValue(QChar digit) {
    return digit.unicode() - u'0';
}

// A subscript after a formula that is polyatomic or has digits of its own needs brackets,
// or the reader could not tell where the formula ends.
bool needsBrackets(const QString &formula) {
    return QuizRules::isPolyatomic(formula) ||
           std::any_of(formula.begin(), formula.end(), QuizRules::isFormulaDigit);
}

struct Reading {
    int subscript;
    qsizetype length;
};

// Every way the start of text can be read as the formula with a subscript: the formula
// alone (1), or followed by a number of at least 2, bracketed exactly when it needs it.
QList<Reading> partReadings(QStringView text, const QString &formula) {
    QList<Reading> readings;
    if (text.startsWith(formula))
        readings.append({1, formula.size()});
    const QString written = needsBrackets(formula) ? u'(' + formula + u')' : formula;
    if (!text.startsWith(written) || text.size() == written.size() || text[written.size()] == u'0')
        return readings;
    // Four digits are more than any subscript of one-digit charges needs.
    const qsizetype digitsEnd = std::min(text.size(), written.size() + 4);
    for (qsizetype end = written.size() + 1;
         end <= digitsEnd && QuizRules::isFormulaDigit(text[end - 1]); ++end) {
        const int subscript = text.sliced(written.size(), end - written.size()).toInt();
        if (subscript >= 2)
            readings.append({subscript, end});
    }
    return readings;
}

// The formula must read one way only as the two parts, and their subscripts must balance
// the two charges in lowest terms.
void checkFormula(const QString &composed, const QString &first, int firstCharge,
                  const QString &second, int secondCharge) {
    QList<std::pair<int, int>> readings;
    for (const Reading &firstPart : partReadings(composed, first)) {
        const QStringView rest = QStringView(composed).sliced(firstPart.length);
        for (const Reading &secondPart : partReadings(rest, second)) {
            if (secondPart.length == rest.size())
                readings.append({firstPart.subscript, secondPart.subscript});
        }
    }
    require(readings.size() == 1, "a formula reads back as its two parts, one way only");
    const auto [firstCount, secondCount] = readings.first();
    require(firstCount * firstCharge == secondCount * secondCharge,
            "the subscripts balance the charges");
    require(std::gcd(firstCount, secondCount) == 1, "the subscripts are in lowest terms");
}

// Cation name, then " " or, for a cation of several charges, the Roman numeral of the
// charge in brackets and a space, then anion name.
void checkIonicName(const QString &name, const IonEntry &cation, int charge,
                    const IonEntry &anion) {
    require(name.startsWith(cation.Name) && name.endsWith(anion.Name) &&
                name.size() > cation.Name.size() + anion.Name.size(),
            "an ionic name is the cation's name, then the anion's");
    const QStringView between = QStringView(name).sliced(
        cation.Name.size(), name.size() - cation.Name.size() - anion.Name.size());
    if (cation.Charges.size() == 1) {
        require(between == u" ", "a cation of one charge gets no numeral");
        return;
    }
    require(between.size() > 3 && between.startsWith(u'(') && between.endsWith(u") "),
            "a cation of several charges gets a numeral in brackets");
    const QStringView numeral = between.sliced(1, between.size() - 3);
    const auto &numerals = NamingTables::RomanNumerals;
    const auto found = std::find_if(numerals.begin() + 1, numerals.end(), [&](const char *text) {
        return numeral == QLatin1String(text);
    });
    require(found - numerals.begin() == charge, "the numeral is the charge drawn");
}

std::optional<QString> listedName(const IonCategory &compounds, const QString &formula) {
    for (int row = 1; row <= compounds.count(); ++row) {
        if (compounds.entry(row).Formula == formula)
            return compounds.entry(row).Name;
    }
    return std::nullopt;
}

// Hands out the rows of the key one by one, in order.
class KeyWalk {
public:
    explicit KeyWalk(const QList<AnswerKeyRow> &key)
        : m_key(key) {}

    const AnswerKeyRow &next(CompoundKind kind) {
        require(m_next < m_key.size(), "the key lists every compound");
        const AnswerKeyRow &row = m_key[m_next++];
        require(row.kind == kind, "the key lists its compounds in its promised order");
        require(!row.name.isEmpty() && !row.formula.isEmpty(),
                "every compound has a name and a formula");
        return row;
    }
    bool done() const { return m_next == m_key.size(); }

private:
    const QList<AnswerKeyRow> &m_key;
    qsizetype m_next = 0;
};

void checkIonic(const IonCatalogue &catalogue, KeyWalk &walk) {
    for (IonTable cationTable : {IonTable::CationsMonovalent, IonTable::CationsMultivalent}) {
        const IonCategory &cations = catalogue.table(cationTable);
        for (int cationRow = 1; cationRow <= cations.count(); ++cationRow) {
            const IonEntry &cation = cations.entry(cationRow);
            for (QChar digit : cation.Charges) {
                for (const auto &[anionTable, bit] : AnionTablesInDrawOrder) {
                    const IonCategory &anions = catalogue.table(anionTable);
                    for (int anionRow = 1; anionRow <= anions.count(); ++anionRow) {
                        const IonEntry &anion = anions.entry(anionRow);
                        const AnswerKeyRow &row = walk.next(CompoundKind::Ionic);
                        checkFormula(row.formula, cation.Formula, digitValue(digit), anion.Formula,
                                     anion.Charges.toInt());
                        checkIonicName(row.name, cation, digitValue(digit), anion);
                    }
                }
            }
        }
    }
}

// The element's count digit gives the second part's atoms, the anion's charge the first's.
void checkSimpleCovalent(const IonCatalogue &catalogue, KeyWalk &walk) {
    const IonCategory &elements = catalogue.table(IonTable::CovalentSimple);
    const IonCategory &anions = catalogue.table(IonTable::AnionsSimple);
    const IonCategory &compounds = catalogue.table(IonTable::CovalentComplex);
    for (int elementRow = 1; elementRow <= elements.count(); ++elementRow) {
        const IonEntry &element = elements.entry(elementRow);
        for (QChar digit : element.Charges) {
            for (int anionRow = 1; anionRow <= anions.count(); ++anionRow) {
                const IonEntry &anion = anions.entry(anionRow);
                if (anion.Formula == element.Formula)
                    continue;
                const AnswerKeyRow &row = walk.next(CompoundKind::SimpleCovalent);
                checkFormula(row.formula, element.Formula, digitValue(digit), anion.Formula,
                             anion.Charges.toInt());
                if (const std::optional<QString> listed = listedName(compounds, row.formula))
                    require(row.name == *listed, "a listed formula is asked by its listed name");
                else
                    require(!row.name.contains(QLatin1String("monooxide")),
                            "no composed name says monooxide");
            }
        }
    }
}

void checkComplexCovalent(const IonCatalogue &catalogue, KeyWalk &walk) {
    const IonCategory &compounds = catalogue.table(IonTable::CovalentComplex);
    for (int row = 1; row <= compounds.count(); ++row) {
        const AnswerKeyRow &keyRow = walk.next(CompoundKind::ComplexCovalent);
        const QString &formula = compounds.entry(row).Formula;
        require(keyRow.formula == formula, "a complex compound keeps its formula");
        require(keyRow.name == listedName(compounds, formula),
                "a complex compound is asked by the first name listed with its formula");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    IonCatalogue catalogue;
    Silent diagnostics;
    loadIons(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), catalogue,
             diagnostics);
    const QList<AnswerKeyRow> key = answerKey(catalogue);
    KeyWalk walk(key);
    checkIonic(catalogue, walk);
    checkSimpleCovalent(catalogue, walk);
    checkComplexCovalent(catalogue, walk);
    require(walk.done(), "the key lists nothing else");
    return 0;
}

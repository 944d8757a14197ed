#include "quiz/feedback/othernames.h"

#include <algorithm>

namespace QuizRules {

namespace {

using namespace Qt::StringLiterals;

constexpr ClassicalName ClassicalNames[] = {
    {"ferrous"_L1, "iron"_L1, 2},        {"ferric"_L1, "iron"_L1, 3},
    {"cuprous"_L1, "copper"_L1, 1},      {"cupric"_L1, "copper"_L1, 2},
    {"mercurous"_L1, "mercury"_L1, 1},   {"mercuric"_L1, "mercury"_L1, 2},
    {"stannous"_L1, "tin"_L1, 2},        {"stannic"_L1, "tin"_L1, 4},
    {"plumbous"_L1, "lead"_L1, 2},       {"plumbic"_L1, "lead"_L1, 4},
    {"aurous"_L1, "gold"_L1, 1},         {"auric"_L1, "gold"_L1, 3},
    {"cobaltous"_L1, "cobalt"_L1, 2},    {"cobaltic"_L1, "cobalt"_L1, 3},
    {"chromous"_L1, "chromium"_L1, 2},   {"chromic"_L1, "chromium"_L1, 3},
    {"manganous"_L1, "manganese"_L1, 2}, {"manganic"_L1, "manganese"_L1, 3},
    {"nickelous"_L1, "nickel"_L1, 2},    {"nickelic"_L1, "nickel"_L1, 3},
    {"platinous"_L1, "platinum"_L1, 2},  {"platinic"_L1, "platinum"_L1, 4},
    {"titanous"_L1, "titanium"_L1, 3},   {"titanic"_L1, "titanium"_L1, 4},
};

constexpr QLatin1StringView BiNameAnions[] = {"carbonate"_L1, "sulfate"_L1, "sulfite"_L1,
                                              "sulfide"_L1};

using K = OtherCompoundName::Kind;

// Only compounds the sample data asks, and only names that stand for one compound: "lime"
// stands for two, Epsom salt and gypsum for hydrates.
constexpr OtherCompoundName OtherCompoundNames[] = {
    {"salt"_L1, "NaCl"_L1, K::Everyday},
    {"table salt"_L1, "NaCl"_L1, K::Everyday},
    {"common salt"_L1, "NaCl"_L1, K::Everyday},
    {"rock salt"_L1, "NaCl"_L1, K::Everyday},
    {"chalk"_L1, "CaCO3"_L1, K::Everyday},
    {"limestone"_L1, "CaCO3"_L1, K::Everyday},
    {"marble"_L1, "CaCO3"_L1, K::Everyday},
    {"quicklime"_L1, "CaO"_L1, K::Everyday},
    {"quick lime"_L1, "CaO"_L1, K::Everyday},
    {"burnt lime"_L1, "CaO"_L1, K::Everyday},
    {"slaked lime"_L1, "Ca(OH)2"_L1, K::Everyday},
    {"hydrated lime"_L1, "Ca(OH)2"_L1, K::Everyday},
    {"lye"_L1, "NaOH"_L1, K::Everyday},
    {"caustic soda"_L1, "NaOH"_L1, K::Everyday},
    {"caustic potash"_L1, "KOH"_L1, K::Everyday},
    {"baking soda"_L1, "NaHCO3"_L1, K::Everyday},
    {"bicarbonate of soda"_L1, "NaHCO3"_L1, K::Everyday},
    {"soda ash"_L1, "Na2CO3"_L1, K::Everyday},
    {"saltpetre"_L1, "KNO3"_L1, K::Everyday},
    {"saltpeter"_L1, "KNO3"_L1, K::Everyday},
    {"sal ammoniac"_L1, "NH4Cl"_L1, K::Everyday},
    {"alumina"_L1, "Al2O3"_L1, K::Everyday},
    {"magnesia"_L1, "MgO"_L1, K::Everyday},
    {"silica"_L1, "SiO2"_L1, K::Everyday},
    {"dry ice"_L1, "CO2"_L1, K::Everyday},
    {"laughing gas"_L1, "N2O"_L1, K::Everyday},
    {"nitrous oxide"_L1, "N2O"_L1, K::Everyday},
    {"nitric oxide"_L1, "NO"_L1, K::Everyday},
    {"hydrochloric acid"_L1, "HCl"_L1, K::Solution},
    {"muriatic acid"_L1, "HCl"_L1, K::Solution},
    {"hydrofluoric acid"_L1, "HF"_L1, K::Solution},
    {"hydrobromic acid"_L1, "HBr"_L1, K::Solution},
    {"hydroiodic acid"_L1, "HI"_L1, K::Solution},
    {"hydriodic acid"_L1, "HI"_L1, K::Solution},
    {"hydrocyanic acid"_L1, "HCN"_L1, K::Solution},
    {"hydrosulfuric acid"_L1, "H2S"_L1, K::Solution},
    {"vinegar"_L1, "CH3COOH"_L1, K::Solution},
    {"ethanoic acid"_L1, "CH3COOH"_L1, K::Synonym},
    {"tetrachloromethane"_L1, "CCl4"_L1, K::Synonym},
};

struct IonSynonym {
    QLatin1StringView name;
    QLatin1StringView course;
};

constexpr IonSynonym IonSynonyms[] = {
    {"ethanoate"_L1, "acetate"_L1},
    {"ethanedioate"_L1, "oxalate"_L1},
};

// The row of the table under that name.
template <class Row, std::size_t Rows>
std::optional<Row> rowNamed(const Row (&table)[Rows], QStringView name) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [name](const Row &row) { return name == row.name; });
    return found == std::end(table) ? std::nullopt : std::optional<Row>(*found);
}

} // namespace

std::optional<ClassicalName> classicalName(QStringView word) {
    return rowNamed(ClassicalNames, word);
}

std::optional<QStringView> biNameAnion(QStringView word) {
    if (!word.startsWith(u"bi"))
        return std::nullopt;
    const QStringView anion = word.sliced(2);
    if (std::find(std::begin(BiNameAnions), std::end(BiNameAnions), anion) ==
        std::end(BiNameAnions))
        return std::nullopt;
    return anion;
}

std::optional<OtherCompoundName> otherCompoundName(QStringView name) {
    return rowNamed(OtherCompoundNames, name);
}

std::optional<QLatin1StringView> courseIonName(QStringView word) {
    const std::optional<IonSynonym> synonym = rowNamed(IonSynonyms, word);
    return synonym ? std::optional(synonym->course) : std::nullopt;
}

} // namespace QuizRules

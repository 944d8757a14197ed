#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <optional>

// Names that students meet outside the course and type in its place: the old -ous/-ic names of
// metal ions, the bi- names of hydrogen anions, everyday names of compounds and other names of
// ions. All in small letters and the course's spelling, as canonicalSpelling gives them.
namespace QuizRules {

// ferric: iron with the charge 3.
struct ClassicalName {
    QLatin1StringView name;
    QLatin1StringView metal;
    int charge;
};

std::optional<ClassicalName> classicalName(QStringView word);

// The name of the hydrogen anion that an old bi- name stands for, without "hydrogen":
// bicarbonate gives carbonate. Nothing for other words; biphosphate, which books used for more
// than one ion, is left out.
std::optional<QStringView> biNameAnion(QStringView word);

struct OtherCompoundName {
    enum class Kind {
        Everyday, // table salt
        Solution, // hydrochloric acid: the compound dissolved in water
        Synonym,  // ethanoic acid: a name as right as the course's, which the course does not use
    };
    QLatin1StringView name;
    QLatin1StringView formula;
    Kind kind;
};

// The compound an everyday or other name stands for, when the sample data can ask it.
std::optional<OtherCompoundName> otherCompoundName(QStringView name);

// The course's name of an ion that has another name as right: ethanoate gives acetate.
std::optional<QLatin1StringView> courseIonName(QStringView word);

} // namespace QuizRules

#pragma once

#include "catalogue/elements.h"
#include "quiz/feedback/namecase.h"

#include <QString>
#include <QStringView>

#include <optional>

// Rules and helpers of the name judge that look up what a typed word stands for when it is
// not the course's word: another element, an ion the list leaves out, an everyday name,
// another word of chemistry.
namespace QuizRules {

// The oxidation number of the element beside oxygen in an oxyanion of one such atom, 2 for
// each oxygen less the charge: 7 for ClO4 with the charge 1; nothing for other anions.
std::optional<int> oxidationNumber(const IonEntry &anion);

// The listed anion that a name with an oxidation number stands for, as older books write them:
// chlorate(VII) for perchlorate, sulfate(IV) for sulfite.
const NamedIon *anionByOxidationNumber(const NameCase &c, const NamedPart &part);

// The element of that name in the course's spelling.
const Element *elementNamed(QStringView name);

// Anions of one family (chlorate, chlorite) or that differ by hydrogen only (sulfate and
// hydrogen sulfate, hydrogen phosphate and dihydrogen phosphate).
bool areRelatedAnions(const QString &typedFormula, const QString &askedFormula);

// For a word that names no listed anion but reads as a relative of the asked one (perchlorite,
// manganate, iodite): why it is not that anion, naming no ion the list lacks.
std::optional<QString> unlistedRelative(const NameCase &c, QStringView word);

// The typed name with the Greek prefixes taken off when they count the atoms of the formula's
// two parts right, dihydrogen sulfide for H2S giving "hydrogen sulfide", or when a hydrogen
// compound has none, as hydrogen oxide for H2O; empty otherwise.
QString typedWithoutPrefixes(const NameCase &c);

// Another element named in a molecule (boron trifluoride for BCl3), another listed molecule
// (water for H2O2), or an ion's name typed for a molecule (hydrogen sulfate for H2SO4).
std::optional<QString> wrongMoleculePart(const NameCase &c);

// A relative of the molecule's anion named in its place: hydrogen cyanate for HCN, sulfurous
// acid for H2SO4.
std::optional<QString> moleculeAnionRelative(const NameCase &c);

// A polyatomic anion named by its elements: sodium sulfur tetraoxide.
std::optional<QString> ionNamedAtomByAtom(const NameCase &c);

// An everyday name, or another name of the compound or of one of its ions (ethanoate,
// chlorate(VII)), that the course does not use.
std::optional<QString> commonName(const NameCase &c);

// A word of the answer that the asked name lacks is a word of chemistry in its own right, with
// a Greek prefix or without: dinitrogen, ammonia, chlorite. No misspelling makes one.
bool makesOtherChemistryWord(const NameCase &c);

} // namespace QuizRules

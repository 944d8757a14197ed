#pragma once

#include "catalogue/ioncatalogue.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// How a typed formula is read part by part, so that the feedback rules can say what is wrong
// with it, and the ions of the catalogue it may be made of.
namespace QuizRules {

// The answer, normalised, starts with a capital letter or "(" and holds no space.
bool readsAsFormula(QStringView answer);

// One ion or element of a typed formula with its count: "(NO3)2" and "NO32" are NO3 twice.
struct FormulaPart {
    IonEntry ion;
    int count = 1;
};

struct TwoPartReading {
    FormulaPart first;
    FormulaPart second;
};

// Every way to read the whole text as an entry of firstCandidates followed by one of
// secondCandidates, each bare or in parentheses, each with an optional count of up to three
// digits.
// Hg2Cl2 reads both as Hg2 with Cl2 and as Hg twice with Cl2 when Hg2 and Hg are listed.
QList<TwoPartReading> readTwoParts(QStringView text, const QList<IonEntry> &firstCandidates,
                                   const QList<IonEntry> &secondCandidates);

// The first reading with another cation than cationFormula, or an anion of another family
// than anionFormula's, preferring one with the right cation; nothing when there is none.
std::optional<TwoPartReading> readingWithOtherIons(const QList<TwoPartReading> &readings,
                                                   const QString &cationFormula,
                                                   const QString &anionFormula);

// An element symbol with its count; neighbouring runs of one element are merged.
struct ElementRun {
    QString symbol;
    int count = 1;

    friend bool operator==(const ElementRun &, const ElementRun &) = default;
};

// CH3COOH runs C, H3, C, O2, H. Empty when the text is anything but element symbols and
// counts.
std::optional<QList<ElementRun>> elementRuns(QStringView formula);

// The text with parentheses round a single element symbol, or round a group with no count or a
// count of 1, taken out, and then every count of 1: (Li)2O gives Li2O, K1Br1 gives KBr.
QString withoutExtraParentheses(QStringView text);

// What the anions of one family have in common: the formula once every O with its count is
// taken out. S, SO3 and SO4 all give S.
QString anionFamily(QStringView anionFormula);

// The cations of both cation tables and the anions of the five anion tables, as listed.
QList<IonEntry> listedCations(const IonCatalogue &catalogue);
QList<IonEntry> listedAnions(const IonCatalogue &catalogue);

} // namespace QuizRules

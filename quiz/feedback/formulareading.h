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
    bool parenthesised = false;
};

struct TwoPartReading {
    FormulaPart first;
    FormulaPart second;
};

// The ions a formula may be made of, as pointers into the catalogue or the question.
using IonCandidates = QList<const IonEntry *>;

// How a chemist reads the whole text: an ion of `firsts`, then one of `seconds`, each bare or
// in parentheses, each with an optional count of up to three digits. Of the ways to split it,
// one whose ions are whole, taking the fewest digits for counts (ClO2 is chlorite, never ClO
// twice; N3 is azide; Hg23 is Hg2 three times), and of those, one whose charges can balance;
// the earlier candidates win a tie. Nothing when no way splits the whole text.
std::optional<TwoPartReading> chemistsReading(QStringView text, const IonCandidates &firsts,
                                              const IonCandidates &seconds);

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

// The runs' symbols in order, and the same symbols with other counts: N, O3 and N, O.
bool sameSymbols(const QList<ElementRun> &a, const QList<ElementRun> &b);

// The letters of a formula cut where a symbol could start: a capital letter, or a small one
// that follows no letter, with the small letters after it. "Ca(oH)2" gives Ca, oH; digits and
// parentheses are left out.
QList<QStringView> letterRuns(QStringView formula);

// A group of atoms written beside an ion of the question: "N2O6" in CaN2O6, "HO" in Ca(HO)2,
// "N2H8" in N2H8SO4.
struct AtomGroup {
    QStringView text;
    QList<ElementRun> runs;
};

// The text after `ion` at its start (bare or parenthesised, with any count), or before it at its
// end, read as element symbols with counts, inside parentheses with a count after them or bare;
// nothing when the rest is empty or no such group.
std::optional<AtomGroup> groupAfter(QStringView text, const IonEntry &ion);
std::optional<AtomGroup> groupBefore(QStringView text, const IonEntry &ion);

// How many times the group holds the ion's atoms, in any order: N2O6 holds NO3 twice, HO holds
// OH once; 0 when its atoms are no such multiple.
int timesHeld(const QList<ElementRun> &group, const QList<ElementRun> &ion);

// The text with parentheses round a single element symbol, or round a group with no count or a
// count of 1, taken out, and then every count of 1: (Li)2O gives Li2O, K1Br1 gives KBr.
QString withoutExtraParentheses(QStringView text);

// What the anions of one family have in common: the formula once every O with its count is
// taken out. S, SO3 and SO4 all give S.
QString anionFamily(QStringView anionFormula);

// The cations of both cation tables and the anions of the five anion tables, as listed.
QList<IonEntry> listedCations(const IonCatalogue &catalogue);
QList<IonEntry> listedAnions(const IonCatalogue &catalogue);
// The same, pointing into the catalogue.
IonCandidates cationCandidates(const IonCatalogue &catalogue);
IonCandidates anionCandidates(const IonCatalogue &catalogue);

} // namespace QuizRules

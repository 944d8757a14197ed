#pragma once

#include <QLatin1StringView>
#include <QAnyStringView>

#include <span>

// The chemical elements 1 to 112: what the periodic table window draws, and the names the quiz
// gives the elements of its formulas.

enum class ElementFamily {
    Hydrogen,
    AlkaliMetal,
    AlkalineEarthMetal,
    TransitionMetal, // groups 3 to 12 of periods 4 to 6
    Transactinide,   // 104 to 112
    OtherMetal,      // the remaining metals of groups 13 to 16
    NonMetal,        // metalloids included
    Halogen,
    NobleGas,
    Lanthanide,
    Actinide,
};

// State at room temperature.
enum class ElementState {
    Solid,
    Liquid, // includes the metals that melt just above room temperature (Ga, Cs, Fr)
    Gas,
    Synthetic, // technetium, the one light element known only from synthesis
};

struct Element {
    int number;
    QLatin1StringView symbol;
    QLatin1StringView name; // IUPAC spelling
    int group; // 1 to 18; 0 for the lanthanides and actinides, which sit in rows of their own
    int period;
    ElementFamily family;
    ElementState state;
    QLatin1StringView charges; // a multivalent metal's usual ion charges, e.g. "2,3"; else empty
};

namespace Elements {

inline constexpr int Count = 112;
inline constexpr int FirstLanthanide = 57;
inline constexpr int LastLanthanide = 71;
inline constexpr int FirstActinide = 89;
inline constexpr int LastActinide = 103;

// Ordered by atomic number: all()[n - 1] is element n.
std::span<const Element> all();

const Element &byNumber(int number);
// The element written with exactly this symbol, letter case included; null for none.
const Element *bySymbol(QAnyStringView symbol);

// Where an element sits in the drawn table: columns 0 to 17 are groups 1 to 18, rows 0 to 6 the
// periods; row 7 holds the lanthanides and row 8 the actinides, starting below group 4.
struct GridCell {
    int column;
    int row;
    friend bool operator==(const GridCell &, const GridCell &) = default;
};
inline constexpr int GridColumns = 18;
inline constexpr int MainRows = 7;
inline constexpr int LanthanideRow = 7;
inline constexpr int ActinideRow = 8;
inline constexpr int FirstInnerTransitionColumn = 3;
inline constexpr int SeriesPlaceholderColumn = 2; // group 3 refers down to the two rows

GridCell gridCell(const Element &element);

} // namespace Elements

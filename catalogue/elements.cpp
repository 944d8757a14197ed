#include "catalogue/elements.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

using F = ElementFamily;
using S = ElementState;

// Symbols, names, groups and periods follow the IUPAC periodic table (aluminium, caesium,
// sulfur); 110 to 112 keep the systematic placeholders under which they were first listed. The
// charges are the common ones a first course names with Roman numerals.
constexpr std::array<Element, Elements::Count> table{{
    {1, "H"_L1, "hydrogen"_L1, 1, 1, F::Hydrogen, S::Gas, {}},
    {2, "He"_L1, "helium"_L1, 18, 1, F::NobleGas, S::Gas, {}},
    {3, "Li"_L1, "lithium"_L1, 1, 2, F::AlkaliMetal, S::Solid, {}},
    {4, "Be"_L1, "beryllium"_L1, 2, 2, F::AlkalineEarthMetal, S::Solid, {}},
    {5, "B"_L1, "boron"_L1, 13, 2, F::NonMetal, S::Solid, {}},
    {6, "C"_L1, "carbon"_L1, 14, 2, F::NonMetal, S::Solid, {}},
    {7, "N"_L1, "nitrogen"_L1, 15, 2, F::NonMetal, S::Gas, {}},
    {8, "O"_L1, "oxygen"_L1, 16, 2, F::NonMetal, S::Gas, {}},
    {9, "F"_L1, "fluorine"_L1, 17, 2, F::Halogen, S::Gas, {}},
    {10, "Ne"_L1, "neon"_L1, 18, 2, F::NobleGas, S::Gas, {}},
    {11, "Na"_L1, "sodium"_L1, 1, 3, F::AlkaliMetal, S::Solid, {}},
    {12, "Mg"_L1, "magnesium"_L1, 2, 3, F::AlkalineEarthMetal, S::Solid, {}},
    {13, "Al"_L1, "aluminium"_L1, 13, 3, F::OtherMetal, S::Solid, {}},
    {14, "Si"_L1, "silicon"_L1, 14, 3, F::NonMetal, S::Solid, {}},
    {15, "P"_L1, "phosphorus"_L1, 15, 3, F::NonMetal, S::Solid, {}},
    {16, "S"_L1, "sulfur"_L1, 16, 3, F::NonMetal, S::Solid, {}},
    {17, "Cl"_L1, "chlorine"_L1, 17, 3, F::Halogen, S::Gas, {}},
    {18, "Ar"_L1, "argon"_L1, 18, 3, F::NobleGas, S::Gas, {}},
    {19, "K"_L1, "potassium"_L1, 1, 4, F::AlkaliMetal, S::Solid, {}},
    {20, "Ca"_L1, "calcium"_L1, 2, 4, F::AlkalineEarthMetal, S::Solid, {}},
    {21, "Sc"_L1, "scandium"_L1, 3, 4, F::TransitionMetal, S::Solid, {}},
    {22, "Ti"_L1, "titanium"_L1, 4, 4, F::TransitionMetal, S::Solid, {}},
    {23, "V"_L1, "vanadium"_L1, 5, 4, F::TransitionMetal, S::Solid, {}},
    {24, "Cr"_L1, "chromium"_L1, 6, 4, F::TransitionMetal, S::Solid, "6,3"_L1},
    {25, "Mn"_L1, "manganese"_L1, 7, 4, F::TransitionMetal, S::Solid, "7,6,4,2"_L1},
    {26, "Fe"_L1, "iron"_L1, 8, 4, F::TransitionMetal, S::Solid, "2,3"_L1},
    {27, "Co"_L1, "cobalt"_L1, 9, 4, F::TransitionMetal, S::Solid, "3,2"_L1},
    {28, "Ni"_L1, "nickel"_L1, 10, 4, F::TransitionMetal, S::Solid, "2,3"_L1},
    {29, "Cu"_L1, "copper"_L1, 11, 4, F::TransitionMetal, S::Solid, "2,1"_L1},
    {30, "Zn"_L1, "zinc"_L1, 12, 4, F::TransitionMetal, S::Solid, {}},
    {31, "Ga"_L1, "gallium"_L1, 13, 4, F::OtherMetal, S::Liquid, {}},
    {32, "Ge"_L1, "germanium"_L1, 14, 4, F::NonMetal, S::Solid, {}},
    {33, "As"_L1, "arsenic"_L1, 15, 4, F::NonMetal, S::Solid, {}},
    {34, "Se"_L1, "selenium"_L1, 16, 4, F::NonMetal, S::Solid, {}},
    {35, "Br"_L1, "bromine"_L1, 17, 4, F::Halogen, S::Liquid, {}},
    {36, "Kr"_L1, "krypton"_L1, 18, 4, F::NobleGas, S::Gas, {}},
    {37, "Rb"_L1, "rubidium"_L1, 1, 5, F::AlkaliMetal, S::Solid, {}},
    {38, "Sr"_L1, "strontium"_L1, 2, 5, F::AlkalineEarthMetal, S::Solid, {}},
    {39, "Y"_L1, "yttrium"_L1, 3, 5, F::TransitionMetal, S::Solid, {}},
    {40, "Zr"_L1, "zirconium"_L1, 4, 5, F::TransitionMetal, S::Solid, {}},
    {41, "Nb"_L1, "niobium"_L1, 5, 5, F::TransitionMetal, S::Solid, {}},
    {42, "Mo"_L1, "molybdenum"_L1, 6, 5, F::TransitionMetal, S::Solid, {}},
    {43, "Tc"_L1, "technetium"_L1, 7, 5, F::TransitionMetal, S::Synthetic, {}},
    {44, "Ru"_L1, "ruthenium"_L1, 8, 5, F::TransitionMetal, S::Solid, {}},
    {45, "Rh"_L1, "rhodium"_L1, 9, 5, F::TransitionMetal, S::Solid, {}},
    {46, "Pd"_L1, "palladium"_L1, 10, 5, F::TransitionMetal, S::Solid, {}},
    {47, "Ag"_L1, "silver"_L1, 11, 5, F::TransitionMetal, S::Solid, {}},
    {48, "Cd"_L1, "cadmium"_L1, 12, 5, F::TransitionMetal, S::Solid, {}},
    {49, "In"_L1, "indium"_L1, 13, 5, F::OtherMetal, S::Solid, {}},
    {50, "Sn"_L1, "tin"_L1, 14, 5, F::OtherMetal, S::Solid, "4,2"_L1},
    {51, "Sb"_L1, "antimony"_L1, 15, 5, F::NonMetal, S::Solid, "3,5"_L1},
    {52, "Te"_L1, "tellurium"_L1, 16, 5, F::NonMetal, S::Solid, {}},
    {53, "I"_L1, "iodine"_L1, 17, 5, F::Halogen, S::Solid, {}},
    {54, "Xe"_L1, "xenon"_L1, 18, 5, F::NobleGas, S::Gas, {}},
    {55, "Cs"_L1, "caesium"_L1, 1, 6, F::AlkaliMetal, S::Liquid, {}},
    {56, "Ba"_L1, "barium"_L1, 2, 6, F::AlkalineEarthMetal, S::Solid, {}},
    {57, "La"_L1, "lanthanum"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {58, "Ce"_L1, "cerium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {59, "Pr"_L1, "praseodymium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {60, "Nd"_L1, "neodymium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {61, "Pm"_L1, "promethium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {62, "Sm"_L1, "samarium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {63, "Eu"_L1, "europium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {64, "Gd"_L1, "gadolinium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {65, "Tb"_L1, "terbium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {66, "Dy"_L1, "dysprosium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {67, "Ho"_L1, "holmium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {68, "Er"_L1, "erbium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {69, "Tm"_L1, "thulium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {70, "Yb"_L1, "ytterbium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {71, "Lu"_L1, "lutetium"_L1, 0, 6, F::Lanthanide, S::Solid, {}},
    {72, "Hf"_L1, "hafnium"_L1, 4, 6, F::TransitionMetal, S::Solid, {}},
    {73, "Ta"_L1, "tantalum"_L1, 5, 6, F::TransitionMetal, S::Solid, {}},
    {74, "W"_L1, "tungsten"_L1, 6, 6, F::TransitionMetal, S::Solid, "6,4"_L1},
    {75, "Re"_L1, "rhenium"_L1, 7, 6, F::TransitionMetal, S::Solid, {}},
    {76, "Os"_L1, "osmium"_L1, 8, 6, F::TransitionMetal, S::Solid, {}},
    {77, "Ir"_L1, "iridium"_L1, 9, 6, F::TransitionMetal, S::Solid, {}},
    {78, "Pt"_L1, "platinum"_L1, 10, 6, F::TransitionMetal, S::Solid, "4,2"_L1},
    {79, "Au"_L1, "gold"_L1, 11, 6, F::TransitionMetal, S::Solid, "1,3"_L1},
    {80, "Hg"_L1, "mercury"_L1, 12, 6, F::TransitionMetal, S::Liquid, "2,1"_L1},
    {81, "Tl"_L1, "thallium"_L1, 13, 6, F::OtherMetal, S::Solid, {}},
    {82, "Pb"_L1, "lead"_L1, 14, 6, F::OtherMetal, S::Solid, "4,2"_L1},
    {83, "Bi"_L1, "bismuth"_L1, 15, 6, F::OtherMetal, S::Solid, {}},
    {84, "Po"_L1, "polonium"_L1, 16, 6, F::OtherMetal, S::Solid, {}},
    {85, "At"_L1, "astatine"_L1, 17, 6, F::Halogen, S::Solid, {}},
    {86, "Rn"_L1, "radon"_L1, 18, 6, F::NobleGas, S::Gas, {}},
    {87, "Fr"_L1, "francium"_L1, 1, 7, F::AlkaliMetal, S::Liquid, {}},
    {88, "Ra"_L1, "radium"_L1, 2, 7, F::AlkalineEarthMetal, S::Solid, {}},
    {89, "Ac"_L1, "actinium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {90, "Th"_L1, "thorium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {91, "Pa"_L1, "protactinium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {92, "U"_L1, "uranium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {93, "Np"_L1, "neptunium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {94, "Pu"_L1, "plutonium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {95, "Am"_L1, "americium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {96, "Cm"_L1, "curium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {97, "Bk"_L1, "berkelium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {98, "Cf"_L1, "californium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {99, "Es"_L1, "einsteinium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {100, "Fm"_L1, "fermium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {101, "Md"_L1, "mendelevium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {102, "No"_L1, "nobelium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {103, "Lr"_L1, "lawrencium"_L1, 0, 7, F::Actinide, S::Solid, {}},
    {104, "Rf"_L1, "rutherfordium"_L1, 4, 7, F::Transactinide, S::Solid, {}},
    {105, "Db"_L1, "dubnium"_L1, 5, 7, F::Transactinide, S::Solid, {}},
    {106, "Sg"_L1, "seaborgium"_L1, 6, 7, F::Transactinide, S::Solid, {}},
    {107, "Bh"_L1, "bohrium"_L1, 7, 7, F::Transactinide, S::Solid, {}},
    {108, "Hs"_L1, "hassium"_L1, 8, 7, F::Transactinide, S::Solid, {}},
    {109, "Mt"_L1, "meitnerium"_L1, 9, 7, F::Transactinide, S::Solid, {}},
    {110, "Uun"_L1, "ununnilium"_L1, 10, 7, F::Transactinide, S::Solid, {}},
    {111, "Uuu"_L1, "unununium"_L1, 11, 7, F::Transactinide, S::Solid, {}},
    {112, "Uub"_L1, "ununbium"_L1, 12, 7, F::Transactinide, S::Solid, {}},
}};

} // namespace

namespace Elements {

std::span<const Element> all() {
    return table;
}

const Element &byNumber(int number) {
    return table.at(number - 1);
}

const Element *bySymbol(QAnyStringView symbol) {
    const auto found = std::find_if(table.begin(), table.end(), [symbol](const Element &element) {
        return element.symbol == symbol;
    });
    return found == table.end() ? nullptr : &*found;
}

GridCell gridCell(const Element &element) {
    if (element.family == ElementFamily::Lanthanide)
        return {FirstInnerTransitionColumn + element.number - FirstLanthanide, LanthanideRow};
    if (element.family == ElementFamily::Actinide)
        return {FirstInnerTransitionColumn + element.number - FirstActinide, ActinideRow};
    return {element.group - 1, element.period - 1};
}

} // namespace Elements

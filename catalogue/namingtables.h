#pragma once

#include <QString>

#include <array>

// Fixed naming tables, slots 1 to 10; slot 0 and anything out of range read as empty text.
namespace NamingTables {

inline constexpr std::array<const char *, 11> RomanNumerals = {
    "", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};

inline constexpr std::array<const char *, 11> GreekPrefixes = {
    "", "mono", "di", "tri", "tetra", "penta", "hexa", "hepta", "octa", "nona", "deca"};

inline QString romanNumeral(int value) {
    return value > 0 && value <= 10 ? QString::fromLatin1(RomanNumerals[value]) : QString();
}

inline QString greekPrefix(int value) {
    return value > 0 && value <= 10 ? QString::fromLatin1(GreekPrefixes[value]) : QString();
}

} // namespace NamingTables

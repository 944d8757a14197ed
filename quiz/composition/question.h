#pragma once

#include "catalogue/ioncatalogue.h"

#include <QString>

enum class CompoundKind { Ionic, SimpleCovalent, ComplexCovalent };

// The question on screen, with its expected answers.
struct Question {
    // Ionic: the cation. Simple covalent: the first element, whose cationCharge counts
    // the atoms of the second element.
    QString cationName;
    QString cationSymbol;
    QString cationCharge;
    // Ionic: the anion. Simple covalent: the second element, whose anionCharge counts the
    // atoms of the first element.
    QString anionName;
    QString anionFormula;
    QString anionCharge;
    bool multivalent = false; // the cation's charge was drawn from several
    bool askName = false;     // the formula is shown and the name asked
    CompoundKind kind = CompoundKind::Ionic;
    QString compoundName;
    QString formula;

    // The cation's or element's name and symbol, with the one charge or count in force.
    void takeCation(const IonEntry &entry, const QString &charge);
    void takeAnion(const IonEntry &entry);
    // Empties the eight texts; the two flags and the kind stay.
    void clearTexts();
};

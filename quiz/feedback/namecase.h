#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/composition/question.h"
#include "quiz/feedback/namereading.h"

#include <QList>
#include <QString>

#include <optional>

namespace QuizRules {

// A listed ion with its name in canonical spelling, split as a typed name is read: mercury(I)
// is the name mercury with the numeral 1, iron the name iron with none.
struct NamedIon {
    NamedIon(const IonEntry &ion, QString name);

    QStringView base() const { return QStringView(name).first(baseLength); }

    IonEntry ion;
    QString name;
    qsizetype baseLength;
    int listedNumeral;
};

// A covalent compound of two parts as its formula gives them: the first element, then the
// second element by its -ide name or a listed anion, with their counts: SO3, HNO3.
struct CovalentParts {
    QString firstName;
    QString firstSymbol;
    int firstCount;
    QString secondName; // sulfide, nitrate
    QString secondSymbol;
    int secondCount;
    // The course names it from its parts with Greek prefixes: not water, not hydrogen chloride.
    bool systematic;
    // The course's name starts with the first element: hydrogen chloride, not water.
    bool namedFirstElementFirst;
};

// The question and the answer as the name rules read them: the answer read once, the question's
// names in canonical spelling, and the listed ions the answer may name instead.
struct NameCase {
    NameCase(const Question &question, const QString &answer, const IonCatalogue &catalogue);
    NameCase(const NameCase &) = delete;
    NameCase &operator=(const NameCase &) = delete;

    bool isIonic() const { return question.kind == CompoundKind::Ionic; }
    QString spelling(const QString &name) const;
    // A word of the canonical answer as a sentence shows it: the ionic spelling's
    // "hydrogencarbonite" as hydrogen carbonite.
    QString shown(QStringView word) const;
    // The listed cation that a name with its numeral stands for: iron with any numeral or none,
    // mercury only with the numeral of mercury(I) or mercury(II).
    const NamedIon *cationNamed(const NamedPart &part) const;
    const NamedIon *anionNamed(QStringView name) const;
    const NamedIon *anionWithFormula(QStringView formula) const;
    // The question's cation named as the typed part names it, with a numeral or without.
    bool namesAskedCation(const NamedPart &part) const {
        return isIonic() && part.numeral.form != TypedNumeral::Form::Unreadable &&
               part.name == askedCation.base();
    }
    // The question with the asked cation's metal at another numeral, composed; nothing when the
    // catalogue lists no such ion.
    std::optional<Question> withNumeral(int numeral) const;

    const Question &question;
    const QString &answer; // normalised, as typed
    const IonCatalogue &catalogue;
    NameReading reading;
    QString expected;
    QList<NamedIon> cations;
    QList<NamedIon> anions;
    NamedIon askedCation;
    int askedNumeral; // the numeral the course writes after the cation; 0 for none
    QString anionName;
    std::optional<CovalentParts> covalent;
};

// "Iodide is I; this formula holds Br.": what the answer names instead of the ion that the
// formula holds.
QString otherIon(const QString &typedName, const QString &typedFormula, const QString &heldFormula);

} // namespace QuizRules

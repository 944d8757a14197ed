#include "quiz/feedback/namecase.h"

#include "catalogue/elements.h"
#include "quiz/composition/composition.h"
#include "quiz/feedback/formulareading.h"
#include "quiz/feedback/namespelling.h"

#include <QRegularExpression>

namespace QuizRules {

namespace {

// The formula read as its first element with a count, then a listed anion once or a simple
// anion's element with a count: SO3 is S and O3, HNO3 H and NO3.
std::optional<CovalentParts> covalentParts(const NameCase &c) {
    static const QRegularExpression firstRun(QStringLiteral("^([A-Z][a-z]?)([0-9]*)(.+)$"));
    const QRegularExpressionMatch first = firstRun.match(c.question.formula);
    if (c.isIonic() || !first.hasMatch())
        return std::nullopt;
    const QString rest = first.captured(3);
    const Element *element = Elements::bySymbol(first.captured(1));
    const NamedIon *second = c.anionWithFormula(rest);
    int secondCount = 1;
    if (const std::optional<QList<ElementRun>> runs = elementRuns(rest);
        !second && runs && runs->size() == 1) {
        second = c.anionWithFormula(runs->front().symbol);
        secondCount = runs->front().count;
    }
    if (!element || !second)
        return std::nullopt;
    const int firstCount = first.captured(2).isEmpty() ? 1 : first.captured(2).toInt();
    const QString firstName = c.spelling(element->name.toString());
    return CovalentParts{firstName,
                         first.captured(1),
                         firstCount,
                         second->name,
                         second->ion.Formula,
                         secondCount,
                         c.expected == c.spelling(simpleCovalentName(firstName, firstCount,
                                                                     second->name, secondCount)),
                         isPrefixed(QStringView(c.expected).split(u' ').front(), firstName)};
}

} // namespace

NamedIon::NamedIon(const IonEntry &ion, QString canonicalName)
    : ion(ion)
    , name(std::move(canonicalName)) {
    const NamedPart part = readNamedPart(name);
    const bool listsNumeral = part.numeral.form == TypedNumeral::Form::Stock;
    baseLength = listsNumeral ? part.name.size() : name.size();
    listedNumeral = listsNumeral ? part.numeral.value : 0;
}

NameCase::NameCase(const Question &question, const QString &answer, const IonCatalogue &catalogue)
    : question(question)
    , answer(answer)
    , catalogue(catalogue)
    , reading(answer, isIonic())
    , expected(spelling(question.compoundName))
    , askedCation({question.cationName, question.cationSymbol, question.cationCharge},
                  spelling(question.cationName))
    , askedNumeral(question.multivalent ? question.cationCharge.toInt() : askedCation.listedNumeral)
    , anionName(spelling(question.anionName)) {
    for (const IonEntry &cation : listedCations(catalogue))
        cations.append({cation, spelling(cation.Name)});
    for (const IonEntry &anion : listedAnions(catalogue))
        anions.append({anion, spelling(anion.Name)});
    covalent = covalentParts(*this);
}

QString NameCase::spelling(const QString &name) const {
    return canonicalSpelling(name, isIonic());
}

QString NameCase::shown(QStringView word) const {
    const QLatin1StringView hydrogen("hydrogen");
    if (isIonic() && word.startsWith(hydrogen) && word.size() > hydrogen.size())
        return hydrogen + u' ' + word.sliced(hydrogen.size()).toString();
    return word.toString();
}

const NamedIon *NameCase::cationNamed(const NamedPart &part) const {
    for (const NamedIon &cation : cations) {
        if (part.numeral.form != TypedNumeral::Form::Unreadable && cation.base() == part.name &&
            (cation.listedNumeral == 0 || cation.listedNumeral == part.numeral.value))
            return &cation;
    }
    return nullptr;
}

const NamedIon *NameCase::anionNamed(QStringView name) const {
    for (const NamedIon &anion : anions) {
        if (anion.name == name)
            return &anion;
    }
    return nullptr;
}

const NamedIon *NameCase::anionWithFormula(QStringView formula) const {
    for (const NamedIon &anion : anions) {
        if (anion.ion.Formula == formula)
            return &anion;
    }
    return nullptr;
}

std::optional<Question> NameCase::withNumeral(int numeral) const {
    Question other = question;
    if (question.multivalent && numeral > 0 && numeral < 10) {
        other.cationCharge = QString::number(numeral);
    } else {
        const auto listed = std::find_if(cations.begin(), cations.end(), [&](const NamedIon &ion) {
            return ion.listedNumeral == numeral && ion.base() == askedCation.base();
        });
        if (askedCation.listedNumeral == 0 || listed == cations.end())
            return std::nullopt;
        other.takeCation(listed->ion, listed->ion.Charges);
    }
    other.compoundName = ionicName(other);
    other.formula = ionicFormula(other);
    return other;
}

QString otherIon(const QString &typedName, const QString &typedFormula,
                 const QString &heldFormula) {
    return QStringLiteral("%1 is %2; this formula holds %3.")
        .arg(typedName, typedFormula, heldFormula);
}

} // namespace QuizRules

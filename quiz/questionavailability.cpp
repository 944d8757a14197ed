#include "quiz/questionavailability.h"

#include "quiz/drawpool.h"

#include <QStringList>

namespace {

QString cationShortfall(const IonCatalogue &catalogue, const QuizSettings &settings) {
    if (DrawPool::cations(catalogue, settings.cationKind).count() > 0)
        return {};
    switch (settings.cationKind) {
    case CationKind::SingleOxidationState:
        return QStringLiteral("There are no positive ions with a single oxidation state in "
                              "ions.dat. Choose another \"Positive Ion Type\" in the options "
                              "window.");
    case CationKind::MultiOxidationState:
        return QStringLiteral("There are no positive ions with several oxidation states in "
                              "ions.dat. Choose another \"Positive Ion Type\" in the options "
                              "window.");
    case CationKind::Both:
        break;
    }
    return QStringLiteral("There are no positive ions in ions.dat. Tick a box under "
                          "\"Covalent bonds?\" in the options window.");
}

QString anionShortfall(const IonCatalogue &catalogue, const QuizSettings &settings) {
    if (settings.anionMask == AnionMask())
        return QStringLiteral("No \"Negative Ion Type\" is ticked. Tick at least one of the "
                              "green options in the options window.");
    if (DrawPool::anions(catalogue, settings.anionMask).count() == 0)
        return QStringLiteral("The ticked negative ion types have no ions in ions.dat. Tick "
                              "another of the green options in the options window.");
    return {};
}

// Element and anion are drawn again while their formulas match, so at least two different
// formulas must be among them.
bool hasTwoFormulas(const IonCategory &elements, const DrawPool &anions) {
    const QString &first = elements.entry(1).Formula;
    for (int row = 1; row <= elements.count(); ++row) {
        if (elements.entry(row).Formula != first)
            return true;
    }
    for (int row = 1; row <= anions.count(); ++row) {
        if (anions.entry(row).Formula != first)
            return true;
    }
    return false;
}

QString simpleCovalentProblem(const IonCatalogue &catalogue, const QuizSettings &settings) {
    const IonCategory &elements = catalogue.table(IonTable::CovalentSimple);
    const DrawPool anions = DrawPool::anions(catalogue, settings.anionMask);
    if (elements.count() == 0)
        return QStringLiteral("There are no elements for simple covalent compounds in ions.dat.");
    if (anions.count() == 0)
        return QStringLiteral("There are no simple anions in ions.dat to combine the elements "
                              "with.");
    if (!hasTwoFormulas(elements, anions))
        return QStringLiteral("Every element for simple covalent compounds has the same formula "
                              "as every simple anion in ions.dat, so no compound of two "
                              "elements can be made.");
    return {};
}

QString complexCovalentProblem(const IonCatalogue &catalogue) {
    if (catalogue.table(IonTable::CovalentComplex).count() == 0)
        return QStringLiteral("There are no complex covalent compounds in ions.dat.");
    return {};
}

QString withRemedy(const QString &problem, const QString &remedy) {
    return problem.isEmpty() ? QString() : problem + u' ' + remedy;
}

} // namespace

QuestionSource questionSource(const QuizSettings &settings) {
    if (!settings.covalentMode())
        return QuestionSource::Ionic;
    if (!settings.covalentMask.testFlag(CovalentKind::Simple))
        return QuestionSource::ComplexCovalent;
    if (settings.covalentMask.testFlag(CovalentKind::Complex))
        return QuestionSource::EitherCovalent;
    return QuestionSource::SimpleCovalent;
}

bool canAskSimpleCovalent(const IonCatalogue &catalogue, const QuizSettings &settings) {
    return simpleCovalentProblem(catalogue, settings).isEmpty();
}

bool canAskComplexCovalent(const IonCatalogue &catalogue) {
    return complexCovalentProblem(catalogue).isEmpty();
}

QString whyNoQuestion(const IonCatalogue &catalogue, const QuizSettings &settings) {
    switch (questionSource(settings)) {
    case QuestionSource::Ionic: {
        QStringList shortfalls = {cationShortfall(catalogue, settings),
                                  anionShortfall(catalogue, settings)};
        shortfalls.removeAll(QString());
        return shortfalls.join(QStringLiteral("\r\n"));
    }
    case QuestionSource::SimpleCovalent:
        return withRemedy(simpleCovalentProblem(catalogue, settings),
                          QStringLiteral("Untick \"Simple covalent\" in the options window, or "
                                         "tick \"Complex covalent\"."));
    case QuestionSource::ComplexCovalent:
        return withRemedy(complexCovalentProblem(catalogue),
                          QStringLiteral("Untick \"Complex covalent\" in the options window, or "
                                         "tick \"Simple covalent\"."));
    case QuestionSource::EitherCovalent:
        if (canAskSimpleCovalent(catalogue, settings) || canAskComplexCovalent(catalogue))
            return {};
        return simpleCovalentProblem(catalogue, settings) + QStringLiteral("\r\n") +
               complexCovalentProblem(catalogue) +
               QStringLiteral("\r\nUntick \"Simple covalent\" and \"Complex covalent\" in the "
                              "options window to practise ionic compounds.");
    }
    return {};
}

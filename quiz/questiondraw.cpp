#include "quiz/questiondraw.h"

#include "quiz/composition/composition.h"
#include "quiz/drawpool.h"
#include "quiz/questionavailability.h"

QuestionDraw::QuestionDraw(const IonCatalogue &catalogue, const QuizSettings &settings,
                           RandomSource &random)
    : m_catalogue(catalogue)
    , m_settings(settings)
    , m_random(random) {}

std::optional<DrawnQuestion> QuestionDraw::drawQuestion() {
    std::optional<DrawnQuestion> drawn = drawCompound();
    if (drawn)
        drawn->question.askName = drawAskName();
    return drawn;
}

std::optional<DrawnQuestion> QuestionDraw::drawCompound() {
    DrawnQuestion drawn;
    Question &question = drawn.question;
    if (questionSource(m_settings) == QuestionSource::Ionic) {
        ChooseCation(question);
        ChooseAnion(question);
        ComposeIonicCompound(drawn);
        return drawn;
    }
    for (int draw = 0; draw < CovalentDrawLimit; ++draw) {
        ChooseCovalentCompound(question);
        if (question.cationSymbol != question.anionFormula) {
            QuizRules::adoptListedName(question, m_catalogue.table(IonTable::CovalentComplex));
            return drawn;
        }
    }
    return std::nullopt;
}

void QuestionDraw::ChooseCation(Question &question) {
    const DrawPool cations = DrawPool::cations(m_catalogue, m_settings.cationKind);
    const IonEntry &cation = cations.entry(randomRow(m_random, cations.count()));
    question.takeCation(cation, drawDigit(cation.Charges));
    question.multivalent = cation.Charges.size() > 1;
}

void QuestionDraw::ChooseAnion(Question &question) {
    const DrawPool anions = DrawPool::anions(m_catalogue, m_settings.anionMask);
    const IonEntry &anion = anions.entry(randomRow(m_random, anions.count()));
    question.takeAnion(anion);
}

void QuestionDraw::ChooseCovalentCompound(Question &question) {
    if (drawCovalentKind() == CovalentKind::Complex) {
        const IonCategory &compounds = m_catalogue.table(IonTable::CovalentComplex);
        const IonEntry &compound = compounds.entry(randomRow(m_random, compounds.count()));
        question.kind = CompoundKind::ComplexCovalent;
        question.compoundName = compound.Name;
        question.formula = compound.Formula;
        // Two texts that always differ, so the first draw always stands.
        question.anionFormula = QStringLiteral("A");
        question.cationSymbol = QStringLiteral("B");
        return;
    }
    const IonCategory &elements = m_catalogue.table(IonTable::CovalentSimple);
    const IonEntry &element = elements.entry(randomRow(m_random, elements.count()));
    question.takeCation(element, drawDigit(element.Charges));
    ChooseAnion(question);
    QuizRules::composeSimpleCovalent(question);
}

void QuestionDraw::ComposeIonicCompound(DrawnQuestion &drawn) {
    drawn.specificHelp = QuizRules::ionicHelpText(drawn.question);
    drawn.question.compoundName = QuizRules::ionicName(drawn.question);
    drawn.question.formula = QuizRules::ionicFormula(drawn.question);
}

bool QuestionDraw::drawAskName() {
    switch (m_settings.questionKind) {
    case QuestionKind::NamesToFormulas:
        return false;
    case QuestionKind::FormulasToNames:
        return true;
    case QuestionKind::Mixed:
        break;
    }
    return m_random.next() >= 0.5f;
}

CovalentKind QuestionDraw::drawCovalentKind() {
    switch (questionSource(m_settings)) {
    case QuestionSource::ComplexCovalent:
        return CovalentKind::Complex;
    case QuestionSource::EitherCovalent: {
        // Keep to the kind that can give a question when the other cannot.
        if (!canAskSimpleCovalent(m_catalogue, m_settings))
            return CovalentKind::Complex;
        if (!canAskComplexCovalent(m_catalogue))
            return CovalentKind::Simple;
        const int simpleCount = m_catalogue.table(IonTable::CovalentSimple).count();
        const int complexCount = m_catalogue.table(IonTable::CovalentComplex).count();
        return randomRow(m_random, simpleCount + complexCount) > simpleCount ? CovalentKind::Complex
                                                                             : CovalentKind::Simple;
    }
    case QuestionSource::Ionic:
    case QuestionSource::SimpleCovalent:
        break;
    }
    return CovalentKind::Simple;
}

QString QuestionDraw::drawDigit(const QString &charges) {
    if (charges.size() <= 1)
        return charges;
    return charges.at(randomRow(m_random, int(charges.size())) - 1);
}

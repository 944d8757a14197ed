#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/quizsettings.h"
#include "catalogue/randomsource.h"
#include "quiz/quizstate.h"

#include <QString>

#include <optional>

// A question drawn and composed, not yet on screen.
struct DrawnQuestion {
    Question question;
    std::optional<QString> specificHelp; // only ionic questions bring one
};

// Draws the ions or compound of the next question at random, by the settings in force,
// composes its name and formula, and draws the way it is asked. Every draw consumes one
// random value.
class QuestionDraw {
public:
    // A last guard for covalent data whose formulas almost always coincide.
    static constexpr int CovalentDrawLimit = 1000;

    QuestionDraw(const IonCatalogue &catalogue, const QuizSettings &settings, RandomSource &random);

    // Expects settings that whyNoQuestion accepts. Empty only when CovalentDrawLimit
    // covalent draws all met an element and an anion of the same formula; the way it is asked
    // is drawn last, so that a failed draw consumes none for it.
    std::optional<DrawnQuestion> drawQuestion();

    void ChooseCation(Question &question);
    void ChooseAnion(Question &question);
    void ChooseCovalentCompound(Question &question);
    static void ComposeIonicCompound(DrawnQuestion &drawn);

private:
    std::optional<DrawnQuestion> drawCompound();
    // Whether the formula is shown and the name asked.
    bool drawAskName();
    CovalentKind drawCovalentKind();
    // One digit of the charges, by a further draw when there are several.
    QString drawDigit(const QString &charges);

    const IonCatalogue &m_catalogue;
    const QuizSettings &m_settings;
    RandomSource &m_random;
};

#pragma once

#include <QFlags>
#include <QtGlobal>

// The values of the four settings; each is also the id of its control in the options window.
enum class CationKind : qint16 { SingleOxidationState = 0, MultiOxidationState = 1, Both = 2 };
enum class AnionCategory : qint16 {
    Simple = 1,
    Polyatomic = 2,
    Derivative = 4,
    Hydrogen = 8,
    Other = 16,
};
Q_DECLARE_FLAGS(AnionMask, AnionCategory)
Q_DECLARE_OPERATORS_FOR_FLAGS(AnionMask)
enum class CovalentKind : qint16 { Simple = 1, Complex = 2 };
Q_DECLARE_FLAGS(CovalentMask, CovalentKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(CovalentMask)
enum class QuestionKind : qint16 { NamesToFormulas = 0, FormulasToNames = 1, Mixed = 2 };

// The student's choices. The options window is the only writer; the engine reads them
// afresh for every question.
struct QuizSettings {
    CationKind cationKind = CationKind::SingleOxidationState;
    AnionMask anionMask = AnionCategory::Simple;
    CovalentMask covalentMask;
    QuestionKind questionKind = QuestionKind::Mixed;

    void setAnionCategory(AnionCategory category, bool ticked) {
        anionMask.setFlag(category, ticked);
    }
    // The covalent interlock: a simple covalent compound takes its second element from the
    // simple anions, so covalent compounds keep the anion choice at those alone.
    void setCovalentKind(CovalentKind kind, bool ticked);
    bool covalentMode() const { return covalentMask != CovalentMask(); }

    friend bool operator==(const QuizSettings &, const QuizSettings &) = default;
};

#pragma once

#include <QtGlobal>

// Values of the four settings; each is also the id of its control in the options window.
enum CationKind : qint16 { SingleOxidationState = 0, MultiOxidationState = 1, BothCationKinds = 2 };
enum AnionBit : qint16 {
    SimpleAnions = 1,
    PolyatomicAnions = 2,
    DerivativeAnions = 4,
    HydrogenAnions = 8,
    OtherAnions = 16,
};
enum CovalentBit : qint16 { IonicOnly = 0, SimpleCovalent = 1, ComplexCovalent = 2 };
enum QuestionKind : qint16 { NamesToFormulas = 0, FormulasToNames = 1, MixedDirections = 2 };

// The student's choices. The options window is the only writer; the engine reads them
// afresh for every question.
struct QuizSettings {
    qint16 cationKind = SingleOxidationState;
    qint16 anionMask = SimpleAnions;
    qint16 covalentMask = IonicOnly;
    qint16 questionKind = MixedDirections;

    // A box changing state adds or takes away its bit; the masks are never recomputed
    // from all boxes, so they follow the boxes' change events one by one.
    void anionBoxChanged(qint16 bit, bool ticked);
    void covalentBoxChanged(qint16 bit, bool ticked);

    bool covalentMode() const { return covalentMask > IonicOnly; }

    friend bool operator==(const QuizSettings &, const QuizSettings &) = default;
};

#include "quiz/composition/question.h"

void Question::takeCation(const IonEntry &entry, const QString &charge) {
    cationName = entry.Name;
    cationSymbol = entry.Formula;
    cationCharge = charge;
}

void Question::takeAnion(const IonEntry &entry) {
    anionName = entry.Name;
    anionFormula = entry.Formula;
    anionCharge = entry.Charges;
}

void Question::clearTexts() {
    for (QString *text : {&cationName, &cationSymbol, &cationCharge, &anionName, &anionFormula,
                          &anionCharge, &compoundName, &formula})
        text->clear();
}

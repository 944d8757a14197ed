#include "quizsettings.h"

void QuizSettings::anionBoxChanged(qint16 bit, bool ticked) {
    anionMask = qint16(ticked ? anionMask + bit : anionMask - bit);
}

void QuizSettings::covalentBoxChanged(qint16 bit, bool ticked) {
    covalentMask = qint16(ticked ? covalentMask + bit : covalentMask - bit);
}

#include "catalogue/quizsettings.h"

void QuizSettings::setCovalentKind(CovalentKind kind, bool ticked) {
    covalentMask.setFlag(kind, ticked);
    if (covalentMode())
        anionMask = AnionCategory::Simple;
}

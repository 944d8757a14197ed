#pragma once

#include "catalogue/quizsettings.h"

#include <QString>

// Settings by the names of their choices, as the tables give them: "both", "simple derivative".
QuizSettings settingsNamed(const QString &cations, const QString &anions,
                           const QString &covalent = {}, const QString &questions = "names");

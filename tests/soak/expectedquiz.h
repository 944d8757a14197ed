#pragma once

#include "ioncatalogue.h"
#include "quizsettings.h"
#include "quizstate.h"

#include <QStringList>

#include <optional>

// What the windows must show, worked out from the actions alone.
struct ExpectedQuiz {
    QuizSettings settings;
    std::optional<QuizSettings> refusedWith;
    bool questionStands = false;
    int number = 0;
    int correct = 0;
    int wrong = 0;
    AnswerLog log;
    QString scoreText;
    QString wrongText;
    QStringList boxes;
    int prompts = 0;
    int noticeWaits = 0;
    int helpWindows = 0;
    int posed = 0;

    // Of the sample data's courses only an ionic one without anions has nothing to ask.
    bool canAsk() const { return settings.covalentMode() || settings.anionMask != 0; }
    bool optionEnabled(const QString &name) const {
        return !settings.covalentMode() || name.startsWith(u"optQT") || name.startsWith(u"chkCov");
    }
    // The options window's control of that name clicked.
    void click(const QString &name);
};

// Whether the question comes from the ions or compounds that the settings choose.
bool fitsSettings(const IonCatalogue &catalogue, const QuizSettings &settings,
                  const Question &question);

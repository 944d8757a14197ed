#pragma once

#include "catalogue/ioncatalogue.h"

#include <QString>

#include <optional>

// The topics of the help window, by the numbers the quiz has always used for them.
enum class HelpTopic : qint16 {
    About = 0,
    Cations = 1,
    Anions = 2,
    ThisQuestion = 3,
    CovalentNaming = -1,
    ComplexCompounds = -2,
};

// What F1, F2 or F3 (functionKey 1 to 3) in the answer box opens: the ion lists and the help
// for the question in ionic mode; covalent naming on F1 and the complex compounds on F3 in
// covalent mode, where F2 opens nothing.
std::optional<HelpTopic> helpTopicForKey(int functionKey, bool covalentMode);

// One topic as the help window shows it: prose wraps at the window's edge, the rows of a
// listing never do. Lines end in CR LF.
struct HelpPage {
    QString heading;
    QString prose;
    QString listing;
};

// questionHelp describes the question on screen, for ThisQuestion.
HelpPage helpPage(HelpTopic topic, const ListingTexts &listings, const QString &questionHelp);

// Stands before the listing of the simple covalent elements.
QString covalentIntroduction();

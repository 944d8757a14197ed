#include "quiz/helptopics.h"

#include "catalogue/namingtables.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString aboutText() {
    return QStringLiteral("Ionarch " IONARCH_VERSION) + CrLf + CrLf +
           QStringLiteral("A drill in naming inorganic compounds and writing their formulas.") +
           CrLf + CrLf +
           QStringLiteral("Choose the ions or covalent compounds to practise in the Options "
                          "window and press Start. Type the name or formula asked for and "
                          "press Enter; digits are lowered as you type them. F1 to F3 show "
                          "help, and after every 20 questions you may print your results.") +
           CrLf;
}

} // namespace

std::optional<HelpTopic> helpTopicForKey(int functionKey, bool covalentMode) {
    switch (functionKey) {
    case 1:
        return covalentMode ? HelpTopic::CovalentNaming : HelpTopic::Cations;
    case 2:
        return covalentMode ? std::nullopt : std::optional(HelpTopic::Anions);
    case 3:
        return covalentMode ? HelpTopic::ComplexCompounds : HelpTopic::ThisQuestion;
    default:
        return std::nullopt;
    }
}

HelpPage helpPage(HelpTopic topic, const ListingTexts &listings, const QString &questionHelp) {
    switch (topic) {
    case HelpTopic::About:
        return {QStringLiteral("About Ionarch: version " IONARCH_VERSION), aboutText(), {}};
    case HelpTopic::Cations:
        return {QStringLiteral("List of Cations used"), {}, listings.help1};
    case HelpTopic::Anions:
        return {QStringLiteral("List of Anions used"), {}, listings.help2};
    case HelpTopic::ThisQuestion:
        return {QStringLiteral("Help for this specific question"), questionHelp, {}};
    case HelpTopic::CovalentNaming:
        return {QStringLiteral("Help for covalent naming"), covalentIntroduction(),
                listings.helpC1};
    case HelpTopic::ComplexCompounds:
        break;
    }
    return {QStringLiteral("List of all complex covalent compounds"), {}, listings.helpC2};
}

QString covalentIntroduction() {
    const QChar quote = QLatin1Char('"');
    QString text =
        QStringLiteral(
            "There are many exceptions and complications in naming covalent compounds.") +
        QStringLiteral("Simple covalent compounds are named in the pattern ") + quote +
        QStringLiteral("nA mB") + quote +
        QStringLiteral(" , where n and m are Greek words for numbers,") +
        QStringLiteral(" and A and B are element names. B will always end in -ide.") + CrLf +
        QStringLiteral("For example H2O = dihydrogen monoxide. Never use mono- in front of the "
                       "first element.") +
        QStringLiteral(" So we say 'carbon dioxide' not 'monocarbon dioxide'.") + CrLf + CrLf +
        QStringLiteral("Here are the numbers in Greek:") + CrLf;
    for (int i = 1; i <= 10; ++i)
        text += QString::number(i) + QStringLiteral(" = ") + NamingTables::greekPrefix(i) + CrLf;
    return text + CrLf;
}

#include "expectedquiz.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

void ExpectedQuiz::click(const QString &name) {
    if (!optionEnabled(name))
        return;
    const qint16 value = qint16(name.mid(name.indexOf(QRegularExpression(u"\\d"_s))).toInt());
    if (name.startsWith(u"optCat"))
        settings.cationKind = value;
    else if (name.startsWith(u"optQT"))
        settings.questionKind = value;
    else if (name.startsWith(u"chkAn"))
        settings.anionMask ^= value;
    else
        settings.covalentMask ^= value;
    if (settings.covalentMode())
        settings.anionMask = SimpleAnions;
}

namespace {

bool listed(const IonCatalogue &catalogue, IonTable table, const QString &name) {
    const IonCategory &entries = catalogue.table(table);
    for (int row = 1; row <= entries.count(); ++row) {
        if (entries.entry(row).Name == name)
            return true;
    }
    return false;
}

bool complexListed(const IonCatalogue &catalogue, const Question &question) {
    const IonCategory &entries = catalogue.table(IonTable::CovalentComplex);
    for (int row = 1; row <= entries.count(); ++row) {
        if (entries.entry(row).Formula == question.formula)
            return true;
    }
    return false;
}

} // namespace

bool fitsSettings(const IonCatalogue &catalogue, const QuizSettings &settings,
                  const Question &question) {
    if (settings.questionKind != MixedDirections &&
        question.askName != (settings.questionKind == FormulasToNames))
        return false;
    if (settings.covalentMode()) {
        const bool simple = listed(catalogue, IonTable::CovalentSimple, question.cationName) &&
                            listed(catalogue, IonTable::AnionsSimple, question.anionName);
        const bool complex = question.cationName.isEmpty() && complexListed(catalogue, question);
        return ((settings.covalentMask & SimpleCovalent) && simple) ||
               ((settings.covalentMask & ComplexCovalent) && complex);
    }
    const bool single = settings.cationKind != MultiOxidationState &&
                        listed(catalogue, IonTable::CationsMonovalent, question.cationName);
    const bool multi = settings.cationKind != SingleOxidationState &&
                       listed(catalogue, IonTable::CationsMultivalent, question.cationName);
    bool anion = false;
    for (int bit = 0; bit < 5; ++bit) {
        anion = anion || ((settings.anionMask & (1 << bit)) &&
                          listed(catalogue, IonTable(int(IonTable::AnionsSimple) + bit),
                                 question.anionName));
    }
    return (single || multi) && anion;
}

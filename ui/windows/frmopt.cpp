#include "ui/windows/frmopt.h"

#include "quiz/questionavailability.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/pictures.h"
#include "ui/widgets/colouredlabel.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/wrappingbutton.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include <span>

// One option button or check box: its value in the settings, which is its id in the control
// array, its caption, place in twips within its frame, and place in the focus order.
struct ChoiceLayout {
    int id;
    const char *caption;
    QRect twips;
    int tab;
};

// A colour-coded frame with the control array inside it.
struct GroupLayout {
    const char *frameName;
    const char *title;
    QRect twips;
    QRgb frameColour;
    QRgb titleColour;
    QRgb choiceColour;
    const char *arrayName;
    bool checkBoxes;
    std::span<const ChoiceLayout> choices;
};

namespace {

constexpr ChoiceLayout CationChoices[] = {
    {int(CationKind::SingleOxidationState), "Single oxidation state", {240, 360, 1695, 615}, 5},
    {int(CationKind::MultiOxidationState), "Multi oxidation state", {240, 1080, 1575, 615}, 6},
    {int(CationKind::Both), "Both Single and Multi", {240, 1800, 1575, 615}, 7},
};
constexpr ChoiceLayout AnionChoices[] = {
    {int(AnionCategory::Simple), "Simple Ions", {240, 360, 1815, 495}, 8},
    {int(AnionCategory::Polyatomic), "Oxy-acid ions", {240, 960, 1815, 495}, 9},
    {int(AnionCategory::Derivative), "Derivative oxy-acid ions", {240, 1560, 1815, 495}, 10},
    {int(AnionCategory::Hydrogen), "H+ oxy-acid ions", {240, 2160, 1815, 495}, 11},
    {int(AnionCategory::Other), "Other special ions", {240, 2760, 1815, 495}, 12},
};
constexpr ChoiceLayout QuestionChoices[] = {
    {int(QuestionKind::NamesToFormulas), "Names --> Formulas", {240, 360, 2055, 375}, 4},
    {int(QuestionKind::FormulasToNames), "Formulas -- >Names", {240, 840, 2055, 375}, 13},
    {int(QuestionKind::Mixed), "Names <-> Formulas", {240, 1320, 2175, 375}, 14},
};
constexpr ChoiceLayout CovalentChoices[] = {
    {int(CovalentKind::Simple), "Simple covalent", {240, 360, 1815, 495}, 16},
    {int(CovalentKind::Complex), "Complex covalent", {240, 960, 1815, 495}, 17},
};

constexpr QRgb Black = qRgb(0, 0, 0);

constexpr GroupLayout CationGroup{.frameName = "cationFrame",
                                  .title = "Positive Ion Type",
                                  .twips = {240, 240, 2055, 2655},
                                  .frameColour = qRgb(255, 255, 192),
                                  .titleColour = Black,
                                  .choiceColour = qRgb(255, 255, 128),
                                  .arrayName = "optCat",
                                  .checkBoxes = false,
                                  .choices = CationChoices};
constexpr GroupLayout AnionGroup{.frameName = "anionFrame",
                                 .title = "Negative Ion Type",
                                 .twips = {2640, 240, 2295, 3495},
                                 .frameColour = qRgb(192, 255, 192),
                                 .titleColour = qRgb(0, 0, 64),
                                 .choiceColour = qRgb(128, 255, 128),
                                 .arrayName = "chkAn",
                                 .checkBoxes = true,
                                 .choices = AnionChoices};
constexpr GroupLayout QuestionGroup{.frameName = "questionFrame",
                                    .title = "Question Type",
                                    .twips = {5280, 240, 2535, 1935},
                                    .frameColour = qRgb(192, 255, 255),
                                    .titleColour = Black,
                                    .choiceColour = qRgb(128, 255, 255),
                                    .arrayName = "optQT",
                                    .checkBoxes = false,
                                    .choices = QuestionChoices};
constexpr GroupLayout CovalentGroup{.frameName = "covalentFrame",
                                    .title = "Covalent bonds?",
                                    .twips = {5280, 2400, 2295, 1695},
                                    .frameColour = qRgb(255, 192, 255),
                                    .titleColour = Black,
                                    .choiceColour = qRgb(255, 128, 255),
                                    .arrayName = "chkCov",
                                    .checkBoxes = true,
                                    .choices = CovalentChoices};

// The choices stand on a colour of their own within the frame.
QString frameStyleSheet(const GroupLayout &layout) {
    return colouredFrameStyleSheet(QColor(layout.frameColour), QColor(layout.titleColour)) +
           QStringLiteral("QRadioButton, QCheckBox { background-color: %1; }")
               .arg(QColor(layout.choiceColour).name());
}

void setGroupEnabled(QButtonGroup *group, bool enabled) {
    for (QAbstractButton *button : group->buttons())
        button->setEnabled(enabled);
}

} // namespace

frmOpt::frmOpt(QuizSettings &settings, const IonCatalogue &catalogue, MessageSink &messages,
               QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_catalogue(catalogue)
    , m_messages(messages) {
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(QStringLiteral("Ionarch: - Options"));
    setWindowIcon(Pictures::programIcon());
    setFixedSize(Twips::toPixels(8055), Twips::toPixels(4275));
    move(Twips::toPixels(570), Twips::toPixels(1800));

    TabStops tabStops;
    m_optCat = addGroup(CationGroup, tabStops);
    m_chkAn = addGroup(AnionGroup, tabStops);
    m_optQT = addGroup(QuestionGroup, tabStops);
    m_chkCov = addGroup(CovalentGroup, tabStops);
    addStartButton(tabStops);
    for (auto stop = tabStops.begin(); std::next(stop) != tabStops.end(); ++stop)
        setTabOrder(stop->second, std::next(stop)->second);

    loadDefaults();
    // An option group is one Tab stop, its selected option; the arrow keys move within it.
    for (QButtonGroup *options : {m_optCat, m_optQT}) {
        for (QAbstractButton *option : options->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
    connect(m_optCat, &QButtonGroup::idToggled, this, &frmOpt::optCat_Click);
    connect(m_optQT, &QButtonGroup::idToggled, this, &frmOpt::optQT_Click);
    connect(m_chkAn, &QButtonGroup::idToggled, this, &frmOpt::chkAn_Click);
    connect(m_chkCov, &QButtonGroup::idToggled, this, &frmOpt::chkCov_Click);
    connect(m_cmdGo, &QPushButton::clicked, this, &frmOpt::cmdGo_Click);
    m_cmdGo->setFocus();
}

QButtonGroup *frmOpt::addGroup(const GroupLayout &layout, TabStops &tabStops) {
    auto *frame = new QGroupBox(QString::fromLatin1(layout.title), this);
    frame->setObjectName(QString::fromLatin1(layout.frameName));
    frame->setGeometry(Twips::toPixels(layout.twips));
    frame->setFont(Fonts::resolve(QStringLiteral("Arial"), 9.75, QFont::Bold));
    frame->setStyleSheet(frameStyleSheet(layout));

    auto *group = new QButtonGroup(frame);
    group->setExclusive(!layout.checkBoxes);
    const QFont choiceFont = Fonts::resolve(QStringLiteral("Arial"), 9);
    for (const ChoiceLayout &choice : layout.choices) {
        const QString caption = QString::fromLatin1(choice.caption);
        QAbstractButton *button =
            layout.checkBoxes ? static_cast<QAbstractButton *>(new WrappingCheckBox(caption, frame))
                              : new WrappingRadioButton(caption, frame);
        button->setObjectName(QString::fromLatin1(layout.arrayName) + QString::number(choice.id));
        button->setGeometry(Twips::toPixels(choice.twips));
        button->setFont(choiceFont);
        group->addButton(button, choice.id);
        tabStops[choice.tab] = button;
    }
    return group;
}

void frmOpt::addStartButton(TabStops &tabStops) {
    m_cmdGo = new QPushButton(QStringLiteral("&Start"), this);
    m_cmdGo->setObjectName(QStringLiteral("cmdGo"));
    m_cmdGo->setGeometry(Twips::toPixels({600, 3240, 1335, 615}));
    m_cmdGo->setFont(Fonts::resolve(QStringLiteral("Lucida Sans"), 12));
    m_cmdGo->setDefault(true);
    QPalette colours = m_cmdGo->palette();
    colours.setColor(QPalette::Button, QColor(224, 224, 224));
    m_cmdGo->setPalette(colours);
    tabStops[0] = m_cmdGo;
}

void frmOpt::loadDefaults() {
    m_optCat->button(int(CationKind::SingleOxidationState))->setChecked(true);
    m_optQT->button(int(QuestionKind::Mixed))->setChecked(true);
    m_chkAn->button(int(AnionCategory::Simple))->setChecked(true);
    m_chkCov->button(int(CovalentKind::Simple))->setChecked(false);
    m_chkCov->button(int(CovalentKind::Complex))->setChecked(false);
    // cationKind keeps its initial value.
    m_settings.questionKind = QuestionKind::Mixed;
    m_settings.anionMask = AnionCategory::Simple;
    m_settings.covalentMask = {};
}

void frmOpt::optCat_Click(int id, bool selected) {
    if (selected)
        m_settings.cationKind = CationKind(id);
}

void frmOpt::optQT_Click(int id, bool selected) {
    if (selected)
        m_settings.questionKind = QuestionKind(id);
}

void frmOpt::chkAn_Click(int id, bool ticked) {
    m_settings.setAnionCategory(AnionCategory(id), ticked);
}

void frmOpt::chkCov_Click(int id, bool ticked) {
    m_settings.setCovalentKind(CovalentKind(id), ticked);
    // The anion boxes show what the interlock left ticked; their own clicks change nothing more.
    for (QAbstractButton *box : m_chkAn->buttons())
        box->setChecked(m_settings.anionMask.testFlag(AnionCategory(m_chkAn->id(box))));
    const bool ionic = !m_settings.covalentMode();
    setGroupEnabled(m_optCat, ionic);
    setGroupEnabled(m_chkAn, ionic);
}

void frmOpt::cmdGo_Click() {
    if (m_settings.anionMask == AnionMask()) {
        refuseStart(QStringLiteral("You must select at least one of the green options."),
                    QStringLiteral("No anion selected"));
        return;
    }
    if (const QString reason = whyNoQuestion(m_catalogue, m_settings); !reason.isEmpty()) {
        refuseStart(reason, QStringLiteral("Nothing to ask"));
        return;
    }
    m_cmdGo->hide();
    emit quizStarted();
}

void frmOpt::refuseStart(const QString &text, const QString &title) {
    m_messages.show({text, title, MessageIcon::Warning, MessageButtons::Ok});
}

void frmOpt::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !m_cmdGo->isHidden())
        m_cmdGo->click();
    else
        QWidget::keyPressEvent(event);
}

void frmOpt::closeEvent(QCloseEvent *event) {
    emit closing();
    QWidget::closeEvent(event);
}

#include "ui/windows/frmmain.h"

#include "ui/fonts/fonts.h"
#include "ui/pictures/pictures.h"
#include "ui/widgets/answerkeys.h"
#include "ui/widgets/colouredlabel.h"
#include "ui/widgets/noticelabel.h"
#include "ui/widgets/richtextedit.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/wrappingpushbutton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr QRgb PanelGrey = qRgb(128, 128, 128);
constexpr QRgb QuestionGrey = qRgb(238, 238, 238);

QString helpCaption(bool covalent) {
    const QStringList lines = covalent ? QStringList{" HELP:", "  F1 = Help for",
                                                     "  covalent compounds", "  F3 = specific help"}
                                       : QStringList{" HELP:", "  F1 = cation help",
                                                     "  F2 = anion help", "  F3 = specific help"};
    return lines.join(QLatin1Char('\n'));
}

} // namespace

frmMain::frmMain(const QuizServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(services.settings)
    , m_help(services.help)
    , m_client(new QWidget(this))
    , m_rtfQuestion(new RichTextEdit(m_client))
    , m_rtfAnswer(new RichTextEdit(m_client))
    , m_lblResults(new NoticeLabel(m_client))
    , m_noticeWaiter(*m_lblResults)
    , m_engine(services, *this, m_noticeWaiter) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ionarch: - Questions"));
    setWindowIcon(Pictures::programIcon());
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(Twips::toPixels(7875), Twips::toPixels(3840));
    setCentralWidget(m_client);
    buildMenu();
    setFixedSize(sizeHint());
    move(Twips::toPixels(3930), Twips::toPixels(5310));

    buildControls();
    setTabStops();

    auto *answerKeys = new AnswerKeys(*m_rtfAnswer);
    connect(answerKeys, &AnswerKeys::enterPressed, this, [this] { m_engine.CheckAnswer(); });
    connect(answerKeys, &AnswerKeys::helpKeyPressed, this,
            [this](int functionKey) { m_engine.helpKeyPressed(functionKey); });
    connect(m_cmdChkAns, &QPushButton::clicked, this, [this] { m_engine.CheckAnswer(); });
    connect(m_cmdGiveUp, &QPushButton::clicked, this, [this] { m_engine.giveUp(); });
    connect(m_lblResults, &NoticeLabel::clicked, this, &frmMain::lblResults_Click);

    m_engine.start();
}

void frmMain::buildMenu() {
    QMenuBar *bar = menuBar();
    // The two commands belong in this window, also where the desktop has a menu bar of its own.
    bar->setNativeMenuBar(false);
    QAction *about = bar->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    buildProgressMenu();
    QAction *exit = bar->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // In the room the menus leave, so that the window keeps its size and layout.
    m_lblPractising = new QLabel(QStringLiteral("Practising your weak spots"), bar);
    m_lblPractising->setContentsMargins(0, 0, 6, 0);
    m_lblPractising->setObjectName(QStringLiteral("lblPractising"));
    m_lblPractising->setFont(Fonts::resolve(QStringLiteral("Arial"), 9, QFont::Bold));
    // The green of a right answer; the menu bar's style would draw a palette's colour over.
    m_lblPractising->setStyleSheet(QStringLiteral("color: #008000"));
    m_lblPractising->hide();
    bar->setCornerWidget(m_lblPractising);
}

void frmMain::buildProgressMenu() {
    QMenu *progress = menuBar()->addMenu(QStringLiteral("&Progress"));
    progress->setObjectName(QStringLiteral("mnuProgress"));
    const auto add = [progress](const char *text, const char *name) {
        QAction *command = progress->addAction(QString::fromLatin1(text));
        command->setObjectName(QLatin1String(name));
        return command;
    };
    connect(add("&Show progress...", "mnuShowProgress"), &QAction::triggered, this,
            &frmMain::progressRequested);
    m_mnuPractise = add("&Practise my weak spots", "mnuPractise");
    m_mnuPractise->setCheckable(true);
    connect(m_mnuPractise, &QAction::triggered, this, &frmMain::practisingChosen);
    progress->addSeparator();
    m_mnuKeepRecord = add("&Keep a record", "mnuKeepRecord");
    m_mnuKeepRecord->setCheckable(true);
    connect(m_mnuKeepRecord, &QAction::triggered, this, &frmMain::keepRecordChosen);
    connect(add("&Forget my record...", "mnuForgetRecord"), &QAction::triggered, this,
            &frmMain::forgetRecordRequested);
    connect(add("Sa&ve results...", "mnuSaveResults"), &QAction::triggered, this,
            &frmMain::saveResultsRequested);
}

void frmMain::showPractising(bool on) {
    m_mnuPractise->setChecked(on);
    m_lblPractising->setVisible(on);
}

void frmMain::showRecordKept(bool kept) {
    m_mnuKeepRecord->setChecked(kept);
}

void frmMain::buildControls() {
    const QFont labelFont = Fonts::resolve(QStringLiteral("Arial"), 9.75, QFont::Bold);
    const auto greyPanel = [&](const char *name, const QString &text, const QRect &twips,
                               QRgb textColour, Qt::Alignment alignment) {
        QLabel *label = addLabel(name, text, twips);
        label->setFont(labelFont);
        label->setAlignment(alignment | Qt::AlignTop);
        colourLabel(*label, QColor(PanelGrey), QColor(textColour), LabelBorder::Single);
        return label;
    };
    m_lblHelp = greyPanel("lblHelp", QStringLiteral("HELP: "), {120, 120, 2055, 1215},
                          qRgb(255, 255, 0), Qt::AlignLeft);
    greyPanel("scoreCaption", QStringLiteral("Score:"), {6600, 120, 1095, 255}, qRgb(255, 255, 255),
              Qt::AlignHCenter);
    m_lblScore =
        greyPanel("lblScore", QString(), {6600, 360, 1095, 375}, qRgb(0, 255, 0), Qt::AlignHCenter);
    m_lblWrong = greyPanel("lblWrong", QString(), {6600, 720, 1095, 375}, qRgb(255, 128, 0),
                           Qt::AlignHCenter);

    // Behind the question and its prompt, which it frames.
    auto *questionFrame = new QFrame(m_client);
    questionFrame->setObjectName(QStringLiteral("questionFrame"));
    questionFrame->setGeometry(Twips::toPixels({2400, 120, 3975, 1455}));
    questionFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    questionFrame->lower();

    m_lblQuestion =
        addLabel("lblQuestion", QStringLiteral("Question goes here"), {2520, 240, 3255, 735});
    m_lblQuestion->setFont(labelFont);
    m_lblQuestion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Together with the question box one grey bar, in which the question stands indented.
    QLabel *margin = addLabel("greyMargin", QString(), {2640, 840, 255, 615});
    colourLabel(*margin, QColor(QuestionGrey), margin->palette().color(QPalette::WindowText),
                LabelBorder::None);
    margin->lower();

    const QFont boxFont = Fonts::resolve(QStringLiteral("Arial"), 11.25);
    const auto placeBox = [&](RichTextEdit *box, const char *name, const QString &accessibleName,
                              const QRect &twips) {
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(accessibleName);
        box->setGeometry(Twips::toPixels(twips));
        box->setFont(boxFont);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    };
    placeBox(m_rtfQuestion, "rtfQuestion", QStringLiteral("Question"), {2880, 840, 3255, 615});
    // Only the quiz writes the question.
    m_rtfQuestion->setReadOnly(true);
    QPalette questionColours = m_rtfQuestion->palette();
    questionColours.setColor(QPalette::Base, QColor(QuestionGrey));
    m_rtfQuestion->setPalette(questionColours);
    placeBox(m_rtfAnswer, "rtfAnswer", QStringLiteral("Answer"), {2520, 1680, 3615, 495});

    m_cmdGiveUp = addButton("cmdGiveUp", QStringLiteral("I give up"), {840, 1680, 1095, 495},
                            QColor(192, 128, 48));
    m_cmdChkAns = addButton("cmdChkAns", QStringLiteral("Check Answer"), {6600, 1560, 975, 615},
                            QColor(0, 208, 208));

    m_lblResults->setObjectName(QStringLiteral("lblResults"));
    m_lblResults->setGeometry(Twips::toPixels({480, 2400, 7095, 975}));
    m_lblResults->setMinimumSize(m_lblResults->size());
    m_lblResults->setFont(Fonts::resolve(QStringLiteral("Lucida Sans"), 12));
    m_lblResults->setEnabled(false);
}

QLabel *frmMain::addLabel(const char *name, const QString &text, const QRect &twips) {
    auto *label = new QLabel(text, m_client);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(Twips::toPixels(twips));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton *frmMain::addButton(const char *name, const QString &text, const QRect &twips,
                                const QColor &colour) {
    auto *button = new WrappingPushButton(text, m_client);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(Twips::toPixels(twips));
    button->setFont(Fonts::resolve(QStringLiteral("Trebuchet MS"), 9.75, QFont::Bold));
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, colour);
    button->setPalette(colours);
    return button;
}

void frmMain::setTabStops() {
    setTabOrder(m_rtfAnswer, m_rtfQuestion);
    setTabOrder(m_rtfQuestion, m_cmdGiveUp);
    setTabOrder(m_cmdGiveUp, m_cmdChkAns);
    m_rtfAnswer->setFocus();
}

void frmMain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmMain::closeEvent(QCloseEvent *event) {
    m_noticeWaiter.abandon();
    emit closing();
    QMainWindow::closeEvent(event);
}

void frmMain::Form_Activate() {
    m_engine.activate();
    m_lblHelp->setText(helpCaption(m_settings.covalentMode()));
}

void frmMain::lblResults_Click() {
    m_lblResults->setEnabled(false);
}

void frmMain::mnuAbout_Click() {
    m_help.showHelp(HelpTopic::About, QString());
}

RichTextBox &frmMain::questionBox() {
    return *m_rtfQuestion;
}

RichTextBox &frmMain::answerBox() {
    return *m_rtfAnswer;
}

void frmMain::setPrompt(const QString &text) {
    m_lblQuestion->setText(text);
}

void frmMain::showNotice(NoticeKind kind, const QString &text) {
    m_lblResults->showNotice(kind, text);
}

void frmMain::clearNotice() {
    m_lblResults->clearNotice();
}

void frmMain::setScoreText(const QString &text) {
    m_lblScore->setText(text);
}

void frmMain::setWrongText(const QString &text) {
    m_lblWrong->setText(text);
}

void frmMain::setAnswerInputsEnabled(bool enabled) {
    m_cmdChkAns->setEnabled(enabled);
    m_cmdGiveUp->setEnabled(enabled);
    m_rtfAnswer->setEnabled(enabled);
}

void frmMain::repaintNow() {
    // What changed since the last paint, painted at once: the outcome's notice, not the
    // whole window again.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

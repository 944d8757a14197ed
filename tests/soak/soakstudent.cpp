#include "soakstudent.h"

#include "frmmain.h"
#include "noticelabel.h"
#include "richtextedit.h"
#include "toplevelwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

template <class Control> Control &control(const QWidget &window, const QString &name) {
    return *window.findChild<Control *>(name);
}

} // namespace

SoakStudent::SoakStudent() {
    m_attendant.setInterval(1);
    QObject::connect(&m_attendant, &QTimer::timeout, [this] { attend(); });
}

bool SoakStudent::start() {
    m_options = topLevelWindow("frmOpt");
    if (!m_options)
        return false;
    QTest::mouseClick(&control<QAbstractButton>(*m_options, "cmdGo"), Qt::LeftButton);
    m_questions = qobject_cast<frmMain *>(topLevelWindow("frmMain"));
    return m_questions && QTest::qWaitForWindowActive(m_questions);
}

void SoakStudent::answer(const QString &typed, bool withButton) {
    QTest::keyClicks(focused(), typed);
    attended([&] {
        if (withButton)
            QTest::mouseClick(&control<QAbstractButton>(*m_questions, "cmdChkAns"), Qt::LeftButton);
        else
            QTest::keyClick(focused(), Qt::Key_Return);
    });
}

void SoakStudent::clearAnswer() {
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Backspace);
}

void SoakStudent::giveUp() {
    attended([this] {
        QTest::mouseClick(&control<QAbstractButton>(*m_questions, "cmdGiveUp"), Qt::LeftButton);
    });
}

void SoakStudent::pressFunctionKey(int number) {
    attended([&] { QTest::keyClick(focused(), Qt::Key(Qt::Key_F1 + number - 1)); });
    waitForQuestionWindow();
}

void SoakStudent::chooseAbout() {
    attended([this] { control<QAction>(*m_questions, "mnuAbout").trigger(); });
    waitForQuestionWindow();
}

void SoakStudent::clickOption(const QString &name) {
    attended([&] {
        activate(*m_options);
        QTest::mouseClick(&option(name), Qt::LeftButton);
        activate(*m_questions);
    });
}

QAbstractButton &SoakStudent::option(const QString &name) const {
    return control<QAbstractButton>(*m_options, name);
}

const QuizState &SoakStudent::state() const {
    return m_questions->quiz().state();
}

QString SoakStudent::questionText() const {
    return control<RichTextEdit>(*m_questions, "rtfQuestion").toPlainText();
}

QString SoakStudent::labelText(const char *name) const {
    return control<QLabel>(*m_questions, name).text();
}

bool SoakStudent::answerInputsEnabled() const {
    return control<RichTextEdit>(*m_questions, "rtfAnswer").isEnabled() &&
           control<QAbstractButton>(*m_questions, "cmdChkAns").isEnabled() &&
           control<QAbstractButton>(*m_questions, "cmdGiveUp").isEnabled();
}

QString SoakStudent::keyboardFocus() const {
    return focused()->objectName();
}

void SoakStudent::attended(const std::function<void()> &action) {
    m_attendant.start();
    action();
    m_attendant.stop();
}

void SoakStudent::attend() {
    if (QWidget *help = QApplication::activeModalWidget();
        help && help->objectName() == QLatin1String("frmHelp")) {
        ++helpWindowsClosed;
        QTest::mouseClick(&control<QAbstractButton>(*help, "cmdOK"), Qt::LeftButton);
        return;
    }
    auto &notice = control<NoticeLabel>(*m_questions, "lblResults");
    // A click disables the notice, so each wait is counted once.
    if (notice.isEnabled() && notice.text().endsWith(QLatin1String("> CLICK HERE <"))) {
        ++noticesClicked;
        QTest::mouseClick(&notice, Qt::LeftButton);
    }
}

void SoakStudent::waitForQuestionWindow() {
    // Activation comes back through the window system, before a student's next key would. If
    // it never does, the check of the keyboard focus fails.
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(m_questions);
}

bool SoakStudent::activate(QWidget &window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QWidget *SoakStudent::focused() const {
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : m_questions;
}

#include "quizplayer.h"

#include "frmmain.h"
#include "noticelabel.h"
#include "richtextedit.h"
#include "toplevelwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

template <class Control> Control *control(QWidget *window, const char *name) {
    return window->findChild<Control *>(QLatin1String(name));
}

} // namespace

bool QuizPlayer::start() {
    QTest::mouseClick(control<QPushButton>(topLevelWindow("frmOpt"), "cmdGo"), Qt::LeftButton);
    m_window = qobject_cast<frmMain *>(topLevelWindow("frmMain"));
    return m_window && QTest::qWaitForWindowActive(m_window);
}

void QuizPlayer::play(const QString &steps) {
    for (const QChar step : steps) {
        const Question &question = state().question;
        const QString expected = question.askName ? question.compoundName : question.formula;
        const bool helped = step == u'H' || step == u'F';
        const bool correct = step != u'G' && step != u'F';
        played.append({questionText(), correct, helped});
        if (helped)
            askForHelp();
        if (step == u'W') {
            clickNoticeWhenItWaits();
            answer(QStringLiteral("xyz"));
            // The wrong answer stays in the box.
            RichTextEdit *box = control<RichTextEdit>(m_window, "rtfAnswer");
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        if (correct)
            answer(expected);
        else
            giveUp();
    }
}

const QuizState &QuizPlayer::state() const {
    return m_window->quiz().state();
}

QString QuizPlayer::questionText() const {
    return control<RichTextEdit>(m_window, "rtfQuestion")->toPlainText();
}

void QuizPlayer::answer(const QString &typed) {
    RichTextEdit *box = control<RichTextEdit>(m_window, "rtfAnswer");
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

void QuizPlayer::askForHelp() {
    QTimer::singleShot(0, m_window, [] {
        if (QWidget *help = QApplication::activeModalWidget())
            QTest::mouseClick(control<QPushButton>(help, "cmdOK"), Qt::LeftButton);
    });
    QTest::keyClick(control<RichTextEdit>(m_window, "rtfAnswer"), Qt::Key_F3);
}

void QuizPlayer::giveUp() {
    clickNoticeWhenItWaits();
    QTest::mouseClick(control<QPushButton>(m_window, "cmdGiveUp"), Qt::LeftButton);
}

void QuizPlayer::clickNoticeWhenItWaits() {
    QTimer::singleShot(0, m_window, [this] {
        QTest::mouseClick(control<NoticeLabel>(m_window, "lblResults"), Qt::LeftButton);
    });
}

#pragma once

#include "quiz/quizengine.h"
#include "quiz/quizports.h"
#include "ui/system/noticeclickwaiter.h"

#include <QMainWindow>

class NoticeLabel;
class QLabel;
class QPushButton;
class RichTextEdit;

// The window in which the quiz takes place: the question, the answer box that lowers typed
// digits, the score, the notices of the outcomes, and help on F1 to F3 and in its menu.
// It runs the quiz engine, which changes the window's controls through QuestionView.
class frmMain : public QMainWindow, public QuestionView {
    Q_OBJECT
public:
    explicit frmMain(const QuizServices &services, QWidget *parent = nullptr);

    const QuizEngine &quiz() const { return m_engine; }

    // The checks of the Progress menu; while practice is on, a line beside the menus says so.
    void showPractising(bool on);
    void showRecordKept(bool kept);

signals:
    // The window is being closed; a wait for a click on the notice has ended.
    void closing();
    // The Progress menu's commands, which the program carries out.
    void progressRequested();
    void practisingChosen(bool on);
    void keepRecordChosen(bool keep);
    void forgetRecordRequested();
    void saveResultsRequested();

protected:
    // Becoming the active window poses a question if none stands, and updates the help label.
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    RichTextBox &questionBox() override;
    RichTextBox &answerBox() override;
    void setPrompt(const QString &text) override;
    void showNotice(NoticeKind kind, const QString &text) override;
    void clearNotice() override;
    void setScoreText(const QString &text) override;
    void setWrongText(const QString &text) override;
    void setAnswerInputsEnabled(bool enabled) override;
    void repaintNow() override;

    void buildMenu();
    void buildProgressMenu();
    void buildControls();
    QLabel *addLabel(const char *name, const QString &text, const QRect &twips);
    QPushButton *addButton(const char *name, const QString &text, const QRect &twips,
                           const QColor &colour);
    void setTabStops();

    void Form_Activate();
    void lblResults_Click();
    void mnuAbout_Click();

    const QuizSettings &m_settings;
    HelpViewer &m_help;

    QWidget *const m_client;
    RichTextEdit *const m_rtfQuestion;
    RichTextEdit *const m_rtfAnswer;
    NoticeLabel *const m_lblResults;
    QLabel *m_lblHelp = nullptr;
    QLabel *m_lblQuestion = nullptr;
    QLabel *m_lblScore = nullptr;
    QLabel *m_lblWrong = nullptr;
    QPushButton *m_cmdGiveUp = nullptr;
    QPushButton *m_cmdChkAns = nullptr;
    QAction *m_mnuPractise = nullptr;
    QAction *m_mnuKeepRecord = nullptr;
    QLabel *m_lblPractising = nullptr;

    NoticeClickWaiter m_noticeWaiter;
    QuizEngine m_engine;
};

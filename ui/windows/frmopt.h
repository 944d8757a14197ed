#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/quizsettings.h"

#include <QWidget>

#include <map>

class QButtonGroup;
class QPushButton;
struct GroupLayout;

// The first window: four colour-coded groups in which the student chooses what to practise,
// and the start button. Every change of a choice goes into the settings at once, also
// while a quiz runs, so the quiz picks it up with its next question.
class frmOpt : public QWidget {
    Q_OBJECT
public:
    frmOpt(QuizSettings &settings, const IonCatalogue &catalogue, MessageSink &messages,
           QWidget *parent = nullptr);

signals:
    // The start was accepted: the periodic table's and the question window's turn.
    void quizStarted();
    void closing();

protected:
    // Enter anywhere in the window presses the start button, as a dialog's default would.
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using TabStops = std::map<int, QWidget *>; // by place in the focus order

    QButtonGroup *addGroup(const GroupLayout &layout, TabStops &tabStops);
    void addStartButton(TabStops &tabStops);
    void loadDefaults();

    void optCat_Click(int id, bool selected);
    void optQT_Click(int id, bool selected);
    void chkAn_Click(int id, bool ticked);
    void chkCov_Click(int id, bool ticked);
    void cmdGo_Click();
    void refuseStart(const QString &text, const QString &title);

    QuizSettings &m_settings;
    const IonCatalogue &m_catalogue;
    MessageSink &m_messages;

    QButtonGroup *m_optCat = nullptr;
    QButtonGroup *m_optQT = nullptr;
    QButtonGroup *m_chkAn = nullptr;
    QButtonGroup *m_chkCov = nullptr;
    QPushButton *m_cmdGo = nullptr;
};

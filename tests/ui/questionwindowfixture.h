#pragma once

#include "fakeports.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "loweredtext.h"
#include "noticelabel.h"
#include "ondemandwindow.h"
#include "richtextedit.h"
#include "samplecatalogue.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The pause of most tests: it does not wait, but lets a test look at the window meanwhile.
struct InstantPause final : Pause {
    std::function<void()> during = [] {};
    void pause(int) override { during(); }
};

// What the notice showed, whether it was on screen, and whether the inputs that start a
// judgement took input.
struct SeenNotice {
    QString text;
    QColor colour;
    bool painted = false;
    bool inputsEnabled = true;
};

// The text of the label when it last painted.
class PaintedText final : public QObject {
public:
    QString text;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            text = static_cast<QLabel *>(watched)->text();
        return false;
    }
};

// The question window on the sample catalogue, on screen and active, with its first question
// posed. Message boxes answer No, the name prompt and printer are recorded, and a plain
// window stands in for the options and periodic table windows.
struct QuestionWindow {
    explicit QuestionWindow(const QuizSettings &chosen = {}, Pause *realPause = nullptr)
        : settings(chosen)
        , window(QuizServices{catalogue, settings, random, ports, ports, ports, ports,
                              realPause ? *realPause : instantPause},
                 CompanionWindows{periodicTable, options, help}) {
        notice().installEventFilter(&noticePaints);
        options.setObjectName(QStringLiteral("frmOpt"));
        periodicTable.show().setObjectName(QStringLiteral("frmPT"));
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }

    template <class Widget = QWidget> Widget *get(const char *name) const {
        return window.findChild<Widget *>(QLatin1String(name));
    }
    RichTextEdit &answerBox() const { return *get<RichTextEdit>("rtfAnswer"); }
    NoticeLabel &notice() const { return *get<NoticeLabel>("lblResults"); }
    QString text(const char *label) const { return get<QLabel>(label)->text(); }
    const QuizState &state() const { return window.quiz().state(); }
    QString expectedAnswer() const {
        const Question &question = state().question;
        return question.askName ? question.compoundName : question.formula;
    }

    SeenNotice seeNotice() const {
        const bool inputs = get("cmdChkAns")->isEnabled() && get("cmdGiveUp")->isEnabled() &&
                            answerBox().isEnabled();
        return {notice().text(), notice().palette().color(QPalette::Window),
                noticePaints.text == notice().text(), inputs};
    }
    // Clicks the notice from inside the wait that the next action starts, and tells what it
    // showed.
    std::shared_ptr<SeenNotice> clickNoticeWhenItWaits() {
        auto seen = std::make_shared<SeenNotice>();
        QTimer::singleShot(0, &window, [this, seen] {
            *seen = seeNotice();
            QTest::mouseClick(&notice(), Qt::LeftButton);
        });
        return seen;
    }
    void answer(const QString &typed) {
        QTest::keyClicks(&answerBox(), typed);
        QTest::keyClick(&answerBox(), Qt::Key_Return);
    }
    void giveUp() {
        clickNoticeWhenItWaits();
        QTest::mouseClick(get<QPushButton>("cmdGiveUp"), Qt::LeftButton);
    }

    IonCatalogue catalogue = loadSampleCatalogue();
    QuizSettings settings;
    ClockSeededRandom random;
    FakePorts ports;
    InstantPause instantPause;
    QWidget options;
    OnDemandWindow periodicTable{[] { return std::make_unique<QWidget>(); }};
    frmHelp help{catalogue.listings};
    PaintedText noticePaints;
    frmMain window;
};

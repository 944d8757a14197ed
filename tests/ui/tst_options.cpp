#include "catalogue/messages.h"
#include "quiz/questionavailability.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "ui/windows/frmopt.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// The load sets three settings and leaves the cation kind as it finds it.
const QuizSettings BeforeLoad{
    CationKind::MultiOxidationState, {}, CovalentKind::Complex, QuestionKind::NamesToFormulas};
const QStringList AnionBoxes = {"chkAn1", "chkAn2", "chkAn4", "chkAn8", "chkAn16"};

// What the options window takes from the program.
struct Fakes {
    explicit Fakes(const QuizSettings &chosen)
        : settings(chosen) {}
    QuizSettings settings;
    IonCatalogue catalogue = loadSampleCatalogue();
    RecordingSink messages;
};

} // namespace

// The options window by mouse and by keyboard.
class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void optionClicksChangeTheSettingsUnderTheCovalentInterlock_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QuizSettings>("settings");
        using A = AnionCategory;
        const CationKind multi = CationKind::MultiOxidationState;
        QTest::addRow("options and anion boxes")
            << QStringList{"optCat2", "optQT0", "chkAn1", "chkAn2", "chkAn16"}
            << QuizSettings{CationKind::Both, A::Polyatomic | A::Other, {}, {}};
        QTest::addRow("simple covalent keeps only simple ions")
            << QStringList{"chkAn2", "chkAn8", "chkCov1"}
            << QuizSettings{multi, A::Simple, CovalentKind::Simple, QuestionKind::Mixed};
    }
    void optionClicksChangeTheSettingsUnderTheCovalentInterlock() {
        QFETCH(QStringList, clicks);
        Fakes fakes(BeforeLoad); // the load sets three settings, and the cation kind stays
        frmOpt options(fakes.settings, fakes.catalogue, fakes.messages);
        onScreen(options);
        for (const QString &option : clicks)
            click("frmOpt", option);
        QTEST(fakes.settings, "settings");
        const bool ionic = !fakes.settings.covalentMode();
        QCOMPARE(control("frmOpt", "optCat1")->isEnabled(), ionic);
        for (const QString &box : AnionBoxes) {
            const auto *button = control<QAbstractButton>("frmOpt", box);
            QCOMPARE(button->isEnabled(), ionic);
            QCOMPARE(button->isChecked(),
                     fakes.settings.anionMask.testFlag(AnionCategory(box.mid(5).toInt())));
        }
    }

    void tabVisitsEveryBoxAndEachGroupAtItsSelectedOption_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("stops");
        const QStringList anions{"chkAn1", "chkAn2", "chkAn4", "chkAn8", "chkAn16"};
        QTest::addRow("both directions, as loaded")
            << "optQT2"
            << QStringList{"cmdGo", "optCat0"} + anions +
                   QStringList{"optQT2", "chkCov1", "chkCov2", "cmdGo"};
        // The first question option comes before the cations in the order of the layout.
        QTest::addRow("names to formulas") << "optQT0"
                                           << QStringList{"cmdGo", "optQT0", "optCat0"} + anions +
                                                  QStringList{"chkCov1", "chkCov2", "cmdGo"};
    }
    void tabVisitsEveryBoxAndEachGroupAtItsSelectedOption() {
        QFETCH(QString, selected);
        Fakes fakes(BeforeLoad);
        frmOpt options(fakes.settings, fakes.catalogue, fakes.messages);
        onScreen(options);
        click("frmOpt", selected);
        control("frmOpt", "cmdGo")->setFocus();
        QStringList stops{focusedControl()};
        for (int stop = 0; stop < 10; ++stop) {
            pressKey(Qt::Key_Tab);
            stops << focusedControl();
        }
        QTEST(stops, "stops");
    }

    void optionsArePlayedByKeys() {
        Fakes fakes(BeforeLoad);
        frmOpt options(fakes.settings, fakes.catalogue, fakes.messages);
        onScreen(options);
        // The arrows move the selection within a group, Space ticks a box, Enter starts.
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab,
                                  Qt::Key_Space, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return})
            pressKey(key);
        QCOMPARE(
            fakes.settings,
            (QuizSettings{CationKind::Both, AnionCategory::Polyatomic, {}, QuestionKind::Mixed}));
        QCOMPARE(focusedControl(), "chkAn2");
        QVERIFY(!control("frmOpt", "cmdGo")->isVisible());
    }

    void startRefusesWithoutAnAnionOrAQuestionAndGoesOnceOnEnter() {
        Fakes fakes(BeforeLoad);
        fakes.catalogue = catalogueFrom("[Anions-simple]\r\nchloride,Cl,1\r\n");
        frmOpt options(fakes.settings, fakes.catalogue, fakes.messages);
        onScreen(options);
        QSignalSpy started(&options, &frmOpt::quizStarted);
        for (const char *option : {"chkAn1", "cmdGo", "chkAn1", "cmdGo"})
            click("frmOpt", option);
        QCOMPARE(fakes.messages.shown,
                 QList<Message>({{"You must select at least one of the green options.",
                                  "No anion selected", MessageIcon::Warning},
                                 {whyNoQuestion(fakes.catalogue, fakes.settings), "Nothing to ask",
                                  MessageIcon::Warning}}));
        fakes.catalogue = loadSampleCatalogue();
        control("frmOpt", "optQT1")->setFocus();
        pressKey(Qt::Key_Return); // Enter on an option starts, once
        pressKey(Qt::Key_Return);
        QVERIFY(started.count() == 1 && !control("frmOpt", "cmdGo")->isVisible());
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "tst_options.moc"

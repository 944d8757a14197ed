#include "frmhelp.h"
#include "frmopt.h"
#include "loader.h"
#include "ondemandwindow.h"
#include "questionavailability.h"
#include "recordingsink.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray AllKinds = "[Cations-monovalent]\r\nsodium,Na,1\r\n"
                            "[Cations-multivalent]\r\niron,Fe,23\r\n"
                            "[Anions-simple]\r\nchloride,Cl,1\r\n";
const QStringList AnionBoxes = {"chkAn1", "chkAn2", "chkAn4", "chkAn8", "chkAn16"};

// The options window with all it needs, on screen; a plain window stands in for the
// periodic table.
struct Options {
    explicit Options(const QByteArray &data = AllKinds) {
        MessageBoxDiagnostics diagnostics(sink);
        loadIons(data, catalogue, diagnostics);
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    QAbstractButton *operator[](const QString &name) const {
        return window.findChild<QAbstractButton *>(name);
    }
    void click(const QStringList &names) const {
        for (const QString &name : names)
            QTest::mouseClick((*this)[name], Qt::LeftButton);
    }
    QStringList ticked(const QStringList &names) const {
        QStringList result;
        std::copy_if(names.begin(), names.end(), std::back_inserter(result),
                     [&](const QString &name) { return (*this)[name]->isChecked(); });
        return result;
    }

    IonCatalogue catalogue;
    QuizSettings settings{MultiOxidationState, 0, ComplexCovalent, NamesToFormulas};
    RecordingSink sink;
    OnDemandWindow periodicTable{[] { return std::make_unique<QWidget>(); }};
    frmHelp help{catalogue.listings};
    frmOpt window{settings, catalogue, sink, periodicTable, help};
};

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheDefaultsAndFocusOnStart() {
        Options options;
        QVERIFY(options["optCat0"]->isChecked() && options["optQT2"]->isChecked());
        QCOMPARE(options.ticked(AnionBoxes + QStringList{"chkCov1", "chkCov2"}), {"chkAn1"});
        QCOMPARE(options.window.focusWidget(), options["cmdGo"]);
        // The load sets three settings and leaves cationKind alone.
        const QuizSettings &set = options.settings;
        QCOMPARE((QList<int>{set.cationKind, set.anionMask, set.covalentMask, set.questionKind}),
                 (QList<int>{MultiOxidationState, SimpleAnions, IonicOnly, MixedDirections}));
    }

    void clicksChangeTheSettingsUnderTheCovalentInterlock_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<int>>("settings"); // cation, anions, covalent, question
        QTest::addColumn<QStringList>("tickedAnions");
        QTest::addRow("options and anion bits")
            << QStringList{"optCat2", "optQT0", "chkAn1", "chkAn2", "chkAn16"}
            << QList<int>{2, 18, 0, 0} << QStringList{"chkAn2", "chkAn16"};
        QTest::addRow("simple covalent keeps only simple ions")
            << QStringList{"chkAn2", "chkAn8", "chkAn16", "chkCov1"} << QList<int>{1, 1, 1, 2}
            << QStringList{"chkAn1"};
        QTest::addRow("simple ions ticked again when none was")
            << QStringList{"chkAn1", "chkCov2"} << QList<int>{1, 1, 2, 2} << QStringList{"chkAn1"};
        QTest::addRow("complex as well, then simple unticked")
            << QStringList{"chkAn4", "chkCov1", "chkCov2", "chkCov1"} << QList<int>{1, 1, 2, 2}
            << QStringList{"chkAn1"};
        QTest::addRow("both unticked frees the boxes, simple ions alone")
            << QStringList{"chkAn2", "chkCov1", "chkCov2", "chkCov1", "chkCov2"}
            << QList<int>{1, 1, 0, 2} << QStringList{"chkAn1"};
    }
    void clicksChangeTheSettingsUnderTheCovalentInterlock() {
        QFETCH(QStringList, clicks);
        QFETCH(QList<int>, settings);
        QFETCH(QStringList, tickedAnions);
        Options options;
        options.click(QStringList{"optCat1", "optQT2"} + clicks);
        const QuizSettings &set = options.settings;
        QCOMPARE((QList<int>{set.cationKind, set.anionMask, set.covalentMask, set.questionKind}),
                 settings);
        QCOMPARE(options.ticked(AnionBoxes), tickedAnions);
        for (const QString &locked : AnionBoxes + QStringList{"optCat0", "optCat1", "optCat2"})
            QCOMPARE(options[locked]->isEnabled(), set.covalentMask == 0);
    }

    void startRefusesWithoutAnAnionOrWhenNoQuestionCanBeMade() {
        Options noAnion;
        noAnion.click({"chkAn1", "cmdGo"});
        const QList<Message> anionRefusal = {{"You must select at least one of the green options.",
                                              "No anion selected", MessageIcon::Warning,
                                              MessageButtons::Ok}};
        QCOMPARE(noAnion.sink.shown, anionRefusal);

        Options noCation("[Anions-simple]\r\nchloride,Cl,1\r\n");
        noCation.click({"cmdGo"});
        const Message engineRefusal = noCation.sink.shown.value(0);
        QCOMPARE(engineRefusal.text, whyNoQuestion(noCation.catalogue, noCation.settings));
        QVERIFY(!engineRefusal.text.isEmpty() && !engineRefusal.title.isEmpty());
        QCOMPARE(engineRefusal.icon, MessageIcon::Warning);
        for (const Options *refused : {&noAnion, &noCation})
            QVERIFY((*refused)["cmdGo"]->isVisible() && !refused->periodicTable.window());
    }

    void startShowsThePeriodicTableAnnouncesTheQuizOnceAndClosingUnloads_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addRow("clicked") << 0 << 0;
        QTest::addRow("Enter on an option") << int(Qt::Key_Return) << 0;
        QTest::addRow("access key") << int(Qt::Key_S) << int(Qt::AltModifier);
    }
    void startShowsThePeriodicTableAnnouncesTheQuizOnceAndClosingUnloads() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Options options;
        bool tableFirst = false;
        QObject::connect(&options.window, &frmOpt::quizStarted, [&] {
            tableFirst =
                options.periodicTable.window() && options.periodicTable.window()->isVisible();
        });
        QSignalSpy started(&options.window, &frmOpt::quizStarted);
        options["optQT1"]->setFocus();
        if (key)
            QTest::keyClick(options["optQT1"], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            options.click({"cmdGo"});
        QTRY_COMPARE(started.count(), 1); // an access key clicks after a moment
        QVERIFY(tableFirst && !options["cmdGo"]->isVisible() && options.window.isVisible());
        QTest::keyClick(options["optQT1"], Qt::Key_Return);
        QCOMPARE(started.count(), 1);

        options.help.show();
        options.window.close();
        QVERIFY(!options.periodicTable.window() && !options.help.isVisible());
    }

    void everyChoiceShowsItsWholeCaption() {
        Options options;
        for (QAbstractButton *button : options.window.findChildren<QAbstractButton *>()) {
            if (qobject_cast<QPushButton *>(button))
                continue;
            // A caption cut off by the control's edge leaves ink on its last column or row.
            const QImage image = button->grab().toImage();
            const auto ink = [&](int x, int y) { return qGray(image.pixel(x, y)) < 96; };
            for (int y = 0; y < image.height(); ++y)
                QVERIFY2(!ink(image.width() - 1, y), qPrintable(button->objectName()));
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(!ink(x, image.height() - 1), qPrintable(button->objectName()));
        }
    }
};

QTEST_MAIN(OptionsWindowTest)
#include "tst_optionswindow.moc"

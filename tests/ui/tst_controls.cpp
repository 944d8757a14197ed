#include "fonts.h"
#include "loweredtext.h"
#include "richtextedit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>

namespace {

constexpr int Lowered = RichTextEdit::DigitOffsetTwips;

// Types the keys, with the offset set before each as the question window sets it.
void typeFormula(RichTextEdit &box, const char *keys) {
    for (; *keys; ++keys) {
        box.setCaretOffset(QChar(*keys).isDigit() ? Lowered : 0);
        QTest::keyClick(&box, *keys);
    }
}

// The lowest row of ink in the columns from left up to right.
int lowestInk(const QImage &image, int left, int right) {
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = left; x < right; ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return y;
        }
    }
    return -1;
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void typedDigitsAreLoweredAndReadBackPlain() {
        RichTextEdit box;
        box.show();
        typeFormula(box, "C4");
        QTest::keyClick(&box, Qt::Key_Left, Qt::ShiftModifier); // typing replaces a selection
        typeFormula(box, "4H2O");
        QCOMPARE(markLowered(box), QStringLiteral("C[4]H[2]O"));
        QCOMPARE(box.plainText(), QStringLiteral("C4H2O"));

        typeFormula(box, "3"); // the caret stands behind a lowered digit
        box.setPlainText(QStringLiteral("NaCl"));
        QCOMPARE(markLowered(box), QStringLiteral("NaCl"));
        QTest::keyClick(&box, 'x');
        QCOMPARE(markLowered(box), QStringLiteral("NaClx"));
    }

    void loweredDigitDropsTwoPointsAtFullSize() {
        // How far the 2 reaches below the H, which stands on the baseline.
        const auto digitDrop = [](int offsetTwips) {
            RichTextEdit box;
            box.setFont(Fonts::resolve(QStringLiteral("Arial"), 11.25));
            box.show();
            box.insertAtCaret(QStringLiteral("H"));
            box.setCaretOffset(offsetTwips);
            box.insertAtCaret(QStringLiteral("2"));
            QTextCursor betweenTheTwo(box.document());
            betweenTheTwo.setPosition(1);
            const int split = box.cursorRect(betweenTheTwo).center().x();
            const QImage image = box.viewport()->grab().toImage();
            return lowestInk(image, split, image.width()) - lowestInk(image, 0, split);
        };
        const int drop = digitDrop(Lowered) - digitDrop(0);
        const qreal twoPoints = 2.0 * QApplication::primaryScreen()->logicalDotsPerInchY() / 72;
        QVERIFY2(qAbs(drop - twoPoints) <= 1.0, qPrintable(QString::number(drop)));
    }

    void pasteLowersDigitsDropsLineBreaksAndEnterBreaksNothing() {
        RichTextEdit box;
        box.show();
        auto *data = new QMimeData;
        data->setText(QStringLiteral("Fe2\r\n(SO4)3\n"));
        data->setHtml(QStringLiteral("<b>Fe</b><sub>2</sub><br>(SO<sub>4</sub>)<sub>3</sub>"));
        QApplication::clipboard()->setMimeData(data);
        box.paste();
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(markLowered(box), QStringLiteral("Fe[2](SO[4])[3]"));
        QCOMPARE(box.document()->blockCount(), 1);
    }

    void lucidaConsoleResolvesToAnInstalledFixedPitchFace() {
        const QFont console = Fonts::resolve(QStringLiteral("Lucida Console"), 11.25);
        QVERIFY(QFontDatabase::families().contains(QFontInfo(console).family()));
        QVERIFY(Fonts::hasFixedPitch(console));
        QCOMPARE(console.pointSizeF(), 11.25);
        QVERIFY(!Fonts::hasFixedPitch(Fonts::resolve(QStringLiteral("Arial"), 9)));
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"

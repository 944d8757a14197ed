#include "ui/windows/frmhelp.h"

#include "ui/fonts/fonts.h"
#include "ui/pictures/pictures.h"
#include "ui/widgets/textdisplay.h"
#include "ui/widgets/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

frmHelp::frmHelp(const ListingTexts &listings, QWidget *parent)
    : QDialog(parent)
    , m_listings(listings) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("HELP with naming"));
    setFixedSize(Twips::toPixels(6345), Twips::toPixels(4455));
    move(Twips::toPixels(2370), Twips::toPixels(2400));
}

void frmHelp::buildControls() {
    setWindowIcon(Pictures::helpWindowIcon());
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setGeometry(Twips::toPixels({120, 120, 6135, 3315}));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(Pictures::helpPanelPicture(32));
    picture->setGeometry(0, 0, 32, 32);

    m_heading = new QLabel(QStringLiteral("About Ionarch:"), panel);
    m_heading->setObjectName(QStringLiteral("lblHeading"));
    m_heading->setFont(Fonts::resolve(QStringLiteral("Arial"), 12));
    const QRect heading = Twips::toPixels({540, 180, 5055, 255});
    // Grown to the font's height where the layout leaves too little room for descenders.
    m_heading->setGeometry(
        heading.adjusted(0, 0, 0, qMax(0, m_heading->sizeHint().height() - heading.height())));

    auto *separator = new QWidget(panel);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setGeometry(0, Twips::toPixels(520), Twips::toPixels(6000) + 1, 1);
    separator->setAutoFillBackground(true);
    QPalette line = separator->palette();
    // Qt has no role for the inactive title bar; the inactive dark shade is its nearest kin.
    line.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Dark));
    separator->setPalette(line);

    m_text = new QTextEdit(panel);
    m_text->setObjectName(QStringLiteral("txtHelp"));
    m_text->setAccessibleName(QStringLiteral("Help text"));
    m_text->setGeometry(Twips::toPixels({120, 600, 5895, 2655}));
    m_text->setFont(Fonts::resolve(QStringLiteral("Lucida Console"), 11.25));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setTabChangesFocus(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setPlainText(QStringLiteral("Text1"));

    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdOK"));
    m_close->setGeometry(Twips::toPixels({2280, 3600, 1455, 615}));
    m_close->setFont(Fonts::resolve(QStringLiteral("MS Sans Serif"), 12, QFont::Bold));
    m_close->setDefault(true);
    // Esc rejects the dialog, which hides it just as Close does.
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(m_close, m_text);
}

void frmHelp::showHelp(HelpTopic topic, const QString &questionHelp) {
    if (!m_text)
        buildControls();
    showPage(helpPage(topic, m_listings, questionHelp));
    m_close->setFocus();
    const QPointer<QWidget> opener = QApplication::activeWindow();
    exec();
    if (opener)
        opener->activateWindow();
}

void frmHelp::showPage(const HelpPage &page) {
    m_heading->setText(page.heading);
    m_text->clear();
    QTextCursor cursor(m_text->document());
    cursor.insertText(withDisplayLineBreaks(page.prose));
    if (!page.listing.isEmpty()) {
        QTextBlockFormat rows = cursor.blockFormat();
        rows.setNonBreakableLines(true);
        cursor.setBlockFormat(rows);
        cursor.insertText(withDisplayLineBreaks(page.listing));
    }
    m_text->moveCursor(QTextCursor::Start);
}

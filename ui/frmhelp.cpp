#include "frmhelp.h"

#include "fonts.h"
#include "namingtables.h"
#include "pictures.h"
#include "textdisplay.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString composeAboutText() {
    return QStringLiteral("Ionarch " IONARCH_VERSION) + CrLf + CrLf +
           QStringLiteral("A drill in naming inorganic compounds and writing their formulas.") +
           CrLf + CrLf +
           QStringLiteral("Choose the ions or covalent compounds to practise in the Options "
                          "window and press Start. Type the name or formula asked for and "
                          "press Enter; digits are lowered as you type them. F1 to F3 show "
                          "help, and after every 20 questions you may print your results.") +
           CrLf;
}

} // namespace

frmHelp::frmHelp(const ListingTexts &listings, QWidget *parent)
    : QDialog(parent)
    , help1(listings.help1)
    , help2(listings.help2)
    , helpC1(listings.helpC1)
    , helpC2(listings.helpC2)
    , aboutText(composeAboutText()) {
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

QString frmHelp::covalentIntroduction() {
    const QChar quote = QLatin1Char('"');
    QString text =
        QStringLiteral(
            "There are many exceptions and complications in naming covalent compounds.") +
        QStringLiteral("Simple covalent compounds are named in the pattern ") + quote +
        QStringLiteral("nA mB") + quote +
        QStringLiteral(" , where n and m are Greek words for numbers,") +
        QStringLiteral(" and A and B are element names. B will always end in -ide.") + CrLf +
        QStringLiteral("For example H2O = dihydrogen monoxide. Never use mono- in front of the "
                       "first element.") +
        QStringLiteral(" So we say 'carbon dioxide' not 'monocarbon dioxide'.") + CrLf + CrLf +
        QStringLiteral("Here are the numbers in Greek:") + CrLf;
    for (int i = 1; i <= 10; ++i)
        text += QString::number(i) + QStringLiteral(" = ") + NamingTables::greekPrefix(i) + CrLf;
    return text + CrLf;
}

void frmHelp::addCovalentIntroduction() {
    // The window may be loaded again after its close box; the introduction goes in once.
    const QString introduction = covalentIntroduction();
    if (!helpC1.startsWith(introduction))
        helpC1.prepend(introduction);
}

void frmHelp::DisplayHelp(qint16 num) {
    addCovalentIntroduction();
    showTopic(num);
    m_close->setFocus();
    exec();
}

void frmHelp::showTopic(qint16 num) {
    if (!m_text)
        buildControls();
    switch (num) {
    case 0:
        m_heading->setText(QStringLiteral("About Ionarch: version " IONARCH_VERSION));
        showText(aboutText, QString());
        break;
    case 1:
        m_heading->setText(QStringLiteral("List of Cations used"));
        showText(QString(), help1);
        break;
    case 2:
        m_heading->setText(QStringLiteral("List of Anions used"));
        showText(QString(), help2);
        break;
    case 3:
        m_heading->setText(QStringLiteral("Help for this specific question"));
        showText(help3, QString());
        break;
    case -1: {
        m_heading->setText(QStringLiteral("Help for covalent naming"));
        const QString introduction = covalentIntroduction();
        if (helpC1.startsWith(introduction))
            showText(introduction, helpC1.mid(introduction.size()));
        else
            showText(QString(), helpC1);
        break;
    }
    case -2:
        m_heading->setText(QStringLiteral("List of all complex covalent compounds"));
        showText(QString(), helpC2);
        break;
    default:
        break;
    }
}

void frmHelp::showText(const QString &prose, const QString &listing) {
    m_text->clear();
    QTextCursor cursor(m_text->document());
    cursor.insertText(withDisplayLineBreaks(prose));
    if (!listing.isEmpty()) {
        QTextBlockFormat rows = cursor.blockFormat();
        rows.setNonBreakableLines(true);
        cursor.setBlockFormat(rows);
        cursor.insertText(withDisplayLineBreaks(listing));
    }
    m_text->moveCursor(QTextCursor::Start);
}

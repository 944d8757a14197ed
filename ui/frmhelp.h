#pragma once

#include "ioncatalogue.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

// The modal help window: one topic at a time, a heading above a scrollable text in a
// fixed-pitch font so that the listings' padded columns line up. Its texts are public
// fields that others write while it is hidden; they live as long as the window object.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(const ListingTexts &listings, QWidget *parent = nullptr);

    // Puts topic num in place and shows the window modally; returns when it is closed.
    void DisplayHelp(qint16 num);
    // Puts the heading and text of topic num in place; any other number changes nothing.
    void showTopic(qint16 num);

    // The explanation of covalent naming that stands in front of helpC1's listing.
    static QString covalentIntroduction();

    QString help1;  // cations
    QString help2;  // anions
    QString help3;  // the question on screen
    QString helpC1; // covalent naming and the simple covalent elements
    QString helpC2; // complex covalent compounds

private:
    // Made, with the icon, when a topic is first shown: the window is created at start for its
    // texts, and its controls would load fonts and lay out text before the options window
    // could paint.
    void buildControls();
    void addCovalentIntroduction();
    // The prose wraps at the window's edge; the rows of a listing never do.
    void showText(const QString &prose, const QString &listing);

    QString aboutText;
    QLabel *m_heading = nullptr;
    QTextEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
};

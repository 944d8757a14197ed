#pragma once

#include "catalogue/ioncatalogue.h"
#include "quiz/quizports.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

// The modal help window: one topic at a time, a heading above a scrollable text in a
// fixed-pitch font so that the listings' padded columns line up. It keeps the listings the
// loader made; the question window brings the help for its question.
class frmHelp : public QDialog, public HelpViewer {
    Q_OBJECT
public:
    explicit frmHelp(const ListingTexts &listings, QWidget *parent = nullptr);

    // Returns when the window is closed, and gives the keyboard back to the window that
    // was active before, where the window system might leave it elsewhere.
    void showHelp(HelpTopic topic, const QString &questionHelp) override;

private:
    // Made, with the icon, when a topic is first shown: the window is created at start for its
    // texts, and its controls would load fonts and lay out text before the options window
    // could paint.
    void buildControls();
    void showPage(const HelpPage &page);

    const ListingTexts m_listings;
    QLabel *m_heading = nullptr;
    QTextEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
};

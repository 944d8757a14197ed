#pragma once

#include "quiz/progress/progressfigures.h"

#include <QDialog>
#include <QStandardItemModel>

class MistakesChart;
class QCheckBox;
class QGroupBox;
class QLabel;
class QTableView;

// The Progress window: how each skill stands, weakest first, the series so far with their
// scores, and the mistakes of the last weeks by kind, in tables that a screen reader reads,
// the mistakes drawn as bars beside their table as well. "Practise my weak spots" stands here
// too, in step with the question window's menu. Tab visits every part; Escape closes it.
class frmProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmProgress(QWidget *parent = nullptr);

    void showFigures(const ProgressFigures &figures);
    void setPractising(bool on);

signals:
    void practisingChanged(bool on);
    void saveResultsRequested();

private:
    QGroupBox *addFrame(const char *name, const QString &title, QRgb colour);
    QTableView *addTable(QGroupBox *frame, const char *name, QStandardItemModel &model);

    QStandardItemModel m_skills;
    QStandardItemModel m_series;
    QStandardItemModel m_mistakes;
    QCheckBox *m_chkPractise = nullptr;
    QLabel *m_lblSummary = nullptr;
    MistakesChart *m_chart = nullptr;
    QList<QTableView *> m_tables;
};

#pragma once

#include "quiz/progress/progressfigures.h"

#include <QStringList>
#include <QWidget>

// The wrong tries of each week as one bar, stacked by kind of mistake: the most frequent kinds
// in colours of their own, the rest together in grey, with a key beside the bars. Drawn with
// QPainter as the periodic table is; the table beside it holds the same figures, which the
// picture's description points a screen reader to.
class MistakesChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int ColouredKinds = 5;

    explicit MistakesChart(QWidget *parent = nullptr);

    void setFigures(const QList<WeekFigures> &weeks, const QStringList &kinds);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What one bar's segment counts: a kind of mistake, or every kind after the coloured ones.
    int countOf(const WeekFigures &week, int segment) const;
    int segments() const;
    void paintBars(QPainter &painter, const QRect &area) const;
    void paintKey(QPainter &painter, const QRect &area) const;

    QList<WeekFigures> m_weeks;
    QStringList m_kinds; // the most frequent first
};

#pragma once

#include <QRectF>
#include <QTransform>
#include <QWidget>

// Shows the periodic table on a light grey ground, scaled to fit the widget with its proportions
// kept.
class PeriodicTableView : public QWidget {
    Q_OBJECT

public:
    explicit PeriodicTableView(QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // Where the element's coloured cell appears in this widget.
    QRectF cellRect(int atomicNumber) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTransform designToWidget() const;
};

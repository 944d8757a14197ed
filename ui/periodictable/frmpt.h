#pragma once

#include <QWidget>

// The reference window that shows the periodic table beside the quiz. It has no behaviour of
// its own; the windows that show it also close it.
class frmPT : public QWidget {
    Q_OBJECT

public:
    explicit frmPT(QWidget *parent = nullptr);
};

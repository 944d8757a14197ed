#pragma once

#include <QFont>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// Writes lines of text down the pages of a paged device that `painter` is painting on. A line
// too wide for the page wraps onto the lines below; a line that would pass the foot of the page
// goes onto a new page.
class PageWriter {
public:
    PageWriter(QPainter &painter, QPagedPaintDevice &device);

    void setFont(const QFont &font);
    // The empty text leaves an empty line. False when a new page could not be started.
    bool writeLine(const QString &text);

private:
    bool writeRow(const QString &text);

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    qreal m_rowTop = 0;
};

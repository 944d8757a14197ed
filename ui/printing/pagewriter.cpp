#include "ui/printing/pagewriter.h"

#include "ui/printing/textwrap.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

PageWriter::PageWriter(QPainter &painter, QPagedPaintDevice &device)
    : m_painter(painter)
    , m_device(device) {}

void PageWriter::setFont(const QFont &font) {
    m_painter.setFont(font);
}

bool PageWriter::writeLine(const QString &text) {
    const QStringList rows = wrapText(text, m_painter.font(), &m_device, m_device.width());
    return std::all_of(rows.begin(), rows.end(),
                       [this](const QString &row) { return writeRow(row); });
}

bool PageWriter::writeRow(const QString &text) {
    const QFontMetricsF metrics(m_painter.font(), &m_device);
    // Empty rows never start a page, so that a page does not open with blank space.
    const bool pastFoot = m_rowTop > 0 && m_rowTop + metrics.height() > m_device.height();
    if (!text.isEmpty() && pastFoot) {
        if (!m_device.newPage())
            return false;
        m_rowTop = 0;
    }
    m_painter.drawText(QPointF(0, m_rowTop + metrics.ascent()), text);
    m_rowTop += metrics.lineSpacing();
    return true;
}

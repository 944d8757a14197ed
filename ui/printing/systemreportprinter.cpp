#include "ui/printing/systemreportprinter.h"

#include "ui/fonts/fonts.h"

#include <QMarginsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The size a report starts in, until it sets one of its own: a common default of printers.
constexpr qreal initialFontPoints = 10;
// Room around the text, so that no printer clips it at the edge of the paper.
const QMarginsF pageMarginsMillimetres(15, 15, 15, 15);
const QString documentName = QStringLiteral("Ionarch results");

} // namespace

SystemReportPrinter::SystemReportPrinter() = default;

SystemReportPrinter::SystemReportPrinter(QPrinter &printer)
    : m_givenPrinter(&printer) {}

SystemReportPrinter::~SystemReportPrinter() {
    // A report that never reached endDocument is given up like a failed one.
    abandonJob();
}

bool SystemReportPrinter::setFontName(const QString &family) {
    if (!ensureJobOpen())
        return false;
    m_fontFamily = family;
    applyFont();
    return true;
}

bool SystemReportPrinter::setFontSize(double points) {
    if (!ensureJobOpen())
        return false;
    if (!(points > 0))
        return abandonJob();
    m_fontPoints = points;
    applyFont();
    return true;
}

bool SystemReportPrinter::printLine(const QString &text) {
    if (!ensureJobOpen())
        return false;
    if (!m_writer->writeLine(text))
        return abandonJob();
    return true;
}

bool SystemReportPrinter::endDocument() {
    if (!ensureJobOpen())
        return false;
    m_writer.reset();
    const bool ended = m_painter.end();
    const QPrinter::PrinterState state = m_jobPrinter->printerState();
    closeJob();
    return ended && state != QPrinter::Error && state != QPrinter::Aborted;
}

bool SystemReportPrinter::ensureJobOpen() {
    if (m_writer)
        return true;
    m_jobPrinter = printerForJob();
    if (!m_jobPrinter)
        return false;
    m_jobPrinter->setDocName(documentName);
    // Across the page, the report's widest lines (53 characters at 20 points) fit on A4
    // and Letter without wrapping.
    m_jobPrinter->setPageOrientation(QPageLayout::Landscape);
    // A printer that cannot print this close to the edge keeps its own margins.
    m_jobPrinter->setPageMargins(pageMarginsMillimetres, QPageLayout::Millimeter);
    if (!m_painter.begin(m_jobPrinter)) {
        closeJob();
        return false;
    }
    m_writer.emplace(m_painter, *m_jobPrinter);
    m_fontFamily.clear();
    m_fontPoints = initialFontPoints;
    applyFont();
    return true;
}

QPrinter *SystemReportPrinter::printerForJob() {
    if (m_givenPrinter)
        return m_givenPrinter;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return nullptr;
    m_defaultPrinter = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    return m_defaultPrinter.get();
}

void SystemReportPrinter::applyFont() {
    m_writer->setFont(Fonts::resolve(m_fontFamily, m_fontPoints, QFont::Normal, m_jobPrinter));
}

bool SystemReportPrinter::abandonJob() {
    if (m_painter.isActive()) {
        m_writer.reset();
        m_jobPrinter->abort();
        m_painter.end();
    }
    closeJob();
    return false;
}

void SystemReportPrinter::closeJob() {
    m_jobPrinter = nullptr;
    m_defaultPrinter.reset();
}

#pragma once

#include "quiz/quizports.h"
#include "ui/printing/pagewriter.h"

#include <QPainter>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;

// Prints the results report on the system's default printer, or on a given printer. A print
// job opens with the first operation of a report, starting at the initial font size, and goes
// to the printer with endDocument. A failed operation gives the job up, so that the next report
// starts a job of its own; the printer is asked to abort it, but printers that cannot abort
// (CUPS and PDF among them) print what the report had reached.
class SystemReportPrinter final : public ReportPrinter {
public:
    // The default printer as it is when a report starts.
    SystemReportPrinter();
    // Prints on `printer`, which must outlive this object; each report sets its document name
    // and margins.
    explicit SystemReportPrinter(QPrinter &printer);
    ~SystemReportPrinter() override;

    bool setFontName(const QString &family) override;
    bool setFontSize(double points) override;
    bool printLine(const QString &text) override;
    bool endDocument() override;

private:
    bool ensureJobOpen();
    QPrinter *printerForJob();
    void applyFont();
    bool abandonJob();
    void closeJob();

    QPrinter *const m_givenPrinter = nullptr;
    std::unique_ptr<QPrinter> m_defaultPrinter;
    QPrinter *m_jobPrinter = nullptr;
    QPainter m_painter;
    std::optional<PageWriter> m_writer;
    QString m_fontFamily;
    qreal m_fontPoints = 0;
};

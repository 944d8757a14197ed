#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class QWidget;

// What "Save results..." writes: the tries from `from` until before `until` (an invalid time
// leaves that end open) into the file at `path`.
struct ResultsToSave {
    QString path;
    QDateTime from;
    QDateTime until;
};

// Asks the student which results to save and where; nothing when they cancel. The program's
// dialogs, or a script in tests.
class ResultsSaveDialog {
public:
    virtual ~ResultsSaveDialog() = default;
    virtual std::optional<ResultsToSave> askResultsToSave(QWidget *parent) = 0;
};

// The whole record or the days from one date to another, then a file dialog.
class FileResultsSaveDialog final : public ResultsSaveDialog {
public:
    std::optional<ResultsToSave> askResultsToSave(QWidget *parent) override;
};

#pragma once

#include "catalogue/messages.h"
#include "quiz/quizports.h"
#include "quiz/resultsfile.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

class RecordWriter;

// Where the tries go. An empty folder leaves its part out: with neither, nothing is written.
struct RecordFolders {
    QString record; // holds history.sqlite
    QString handIn; // where each finished series is handed in

    // The program's: the user's data folder, and the hand-in folder of the command line, else
    // of the user's settings, else of the system's (/etc/xdg/Ionarch/Ionarch.conf).
    static RecordFolders ofProgram(const QString &handInOption);
};

// The learning record and the handing in, as the quiz and the windows use them. Each try is
// passed to a writer on a thread of its own, so the quiz never waits for a disk; the writer
// starts only when the quiz does, and only when there is something to write. Notices and the
// questions to the student go through the program's boxes and prompt.
class LearningRecord final : public QObject, public AttemptRecorder {
public:
    LearningRecord(const RecordFolders &folders, MessageSink &messages, TextPrompt &prompt);
    // Writes what was handed over, shows the notices still due, and ends the writer's thread.
    ~LearningRecord() override;

    // The quiz begins on this data file.
    void open(const QString &dataFile);
    void recordAttempt(const Attempt &attempt) override;
    // Asks the student's name the first time a series is handed in, and remembers it.
    void seriesFinished(int series) override;

    // Whether the student keeps a record, remembered in the user's settings; on until turned off.
    bool isKept() const;
    void setKept(bool keep);
    // After the student's confirmation, removes every try, and the damaged files kept aside;
    // false when the student said No or it failed, which a notice then says.
    bool forget();

    // The tries from `from` until before `until`, oldest first, read on the caller's thread;
    // an invalid time leaves that end open. The student's name stays empty.
    QList<ResultsFile::Row> attempts(const QDateTime &from = {}, const QDateTime &until = {}) const;
    // "Save results...": the tries of that span as a results file under the student's name;
    // false when it failed, and why in `error`.
    bool saveResults(const QString &path, const QDateTime &from, const QDateTime &until,
                     QString *error) const;

private:
    void startWriter();
    // Runs on the writer's thread, after everything handed over before.
    template <class Job> void post(Job job);
    QString studentName();

    const RecordFolders m_folders;
    MessageSink &m_messages;
    TextPrompt &m_prompt;
    QString m_dataFile; // set when the quiz begins
    QThread m_thread;
    RecordWriter *m_writer = nullptr; // lives on m_thread
};

#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

// The folder where the cups-pdf back end leaves what it prints for the user running the tests.
// Remembers what the folder held when made, hands out the PDF files added or rewritten since,
// and removes them again (and the folder, when it made it) on destruction.
class CupsPdfOutput {
public:
    CupsPdfOutput();
    ~CupsPdfOutput();

    QStringList newFiles() const;

private:
    QString m_folder;
    bool m_folderExisted = false;
    QMap<QString, QDateTime> m_filesBefore;
};

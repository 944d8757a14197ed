#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

// The PDF files that Debian's cups-pdf writes into ~/PDF of the job's user (Out in
// /etc/cups/cups-pdf.conf), who is the user of this process. Files added or rewritten there
// after construction count as printed; they are removed on destruction, and so is the folder
// when it did not exist before.
class CupsPdfOutput {
public:
    CupsPdfOutput();
    ~CupsPdfOutput();

    QStringList printed() const;

private:
    // Each PDF file there, with the time it was last written.
    static QMap<QString, QDateTime> files();

    const bool m_folderExisted;
    const QMap<QString, QDateTime> m_before;
};

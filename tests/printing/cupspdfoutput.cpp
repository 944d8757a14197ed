#include "cupspdfoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace {

QMap<QString, QDateTime> pdfFilesIn(const QString &folder) {
    QMap<QString, QDateTime> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QFileInfo &entry : entries)
        files.insert(entry.absoluteFilePath(), entry.lastModified());
    return files;
}

// Debian's cups-pdf writes to ~/PDF of the job's user (Out in /etc/cups/cups-pdf.conf), taken
// from the password database rather than from HOME.
QString outputFolder() {
    const passwd *user = getpwuid(geteuid());
    const QString home = user ? QFile::decodeName(user->pw_dir) : QDir::homePath();
    return home + QStringLiteral("/PDF");
}

} // namespace

CupsPdfOutput::CupsPdfOutput()
    : m_folder(outputFolder())
    , m_folderExisted(QFileInfo::exists(m_folder))
    , m_filesBefore(pdfFilesIn(m_folder)) {}

CupsPdfOutput::~CupsPdfOutput() {
    for (const QString &file : newFiles())
        QFile::remove(file);
    if (!m_folderExisted)
        QDir().rmdir(m_folder);
}

QStringList CupsPdfOutput::newFiles() const {
    QStringList files;
    const QMap<QString, QDateTime> now = pdfFilesIn(m_folder);
    for (auto file = now.cbegin(); file != now.cend(); ++file) {
        if (m_filesBefore.value(file.key()) != file.value())
            files << file.key();
    }
    return files;
}

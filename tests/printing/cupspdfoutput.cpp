#include "cupspdfoutput.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {

// Taken from the password database, as cups-pdf does, rather than from HOME.
QDir folder() {
    const passwd *user = getpwuid(geteuid());
    return QDir((user ? QFile::decodeName(user->pw_dir) : QDir::homePath()) + "/PDF");
}

} // namespace

CupsPdfOutput::CupsPdfOutput()
    : m_folderExisted(folder().exists())
    , m_before(files()) {}

CupsPdfOutput::~CupsPdfOutput() {
    for (const QString &file : printed())
        QFile::remove(file);
    if (!m_folderExisted)
        QDir().rmdir(folder().path());
}

QStringList CupsPdfOutput::printed() const {
    QStringList printed;
    const QMap<QString, QDateTime> now = files();
    for (auto file = now.cbegin(); file != now.cend(); ++file) {
        if (m_before.value(file.key()) != file.value())
            printed << file.key();
    }
    return printed;
}

QMap<QString, QDateTime> CupsPdfOutput::files() {
    QMap<QString, QDateTime> files;
    for (const QFileInfo &file : folder().entryInfoList({"*.pdf"}, QDir::Files))
        files.insert(file.absoluteFilePath(), file.lastModified());
    return files;
}

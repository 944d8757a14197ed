#include "privatecupsserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int processTimeoutMs = 30'000;

bool writeFile(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0;
}

// Polls `ready` every tenth of a second until it holds or `limit` runs out.
template <typename Condition> bool waitFor(std::chrono::milliseconds limit, Condition ready) {
    const QDeadlineTimer deadline(limit);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

} // namespace

void useCupsServer(const QString &socketPath, const QString &configFolder) {
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(configFolder));
    // Either would name a printer of the machine's as the default.
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

PrivateCupsServer::~PrivateCupsServer() {
    if (m_scheduler.state() == QProcess::NotRunning)
        return;
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(processTimeoutMs)) {
        m_scheduler.kill();
        m_scheduler.waitForFinished(processTimeoutMs);
    }
}

QString PrivateCupsServer::start() {
    if (!m_folder.isValid())
        return QStringLiteral("no temporary folder: ") + m_folder.errorString();
    if (const QString problem = writeConfiguration(); !problem.isEmpty())
        return problem;
    useCupsServer(socketPath(), m_folder.path());
    // Not even a crashed test leaves its scheduler running.
    m_scheduler.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_scheduler.start("cupsd", {"-f", "-c", m_folder.filePath("cupsd.conf"), "-s",
                                m_folder.filePath("cups-files.conf")});
    if (!m_scheduler.waitForStarted(processTimeoutMs))
        return QStringLiteral("cupsd did not start: ") + m_scheduler.errorString();
    const bool listening = waitFor(std::chrono::seconds(20), [this] {
        return m_scheduler.state() != QProcess::Running || QFile::exists(socketPath());
    });
    if (!listening || m_scheduler.state() != QProcess::Running)
        return QStringLiteral("cupsd is not listening: ") +
               QString::fromLocal8Bit(m_scheduler.readAllStandardError()) + errorLogProblems();
    return QString();
}

QString PrivateCupsServer::addDefaultPdfQueue() {
    // Without the pdftocairo renderer the printed PDF holds no text that can be extracted.
    const QString problem = run("lpadmin", {"-p", "PDF", "-v", "cups-pdf:/", "-E", "-P",
                                            "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd", "-o",
                                            "pdftops-renderer-default=pdftocairo"});
    return problem.isEmpty() ? run("lpadmin", {"-d", "PDF"}) : problem;
}

QString PrivateCupsServer::waitUntilJobsDone(std::chrono::seconds limit) {
    const bool done = waitFor(limit, [this] {
        QProcess lpstat;
        lpstat.start("lpstat", {"-o"});
        return lpstat.waitForFinished(processTimeoutMs) && lpstat.exitCode() == 0 &&
               lpstat.readAllStandardOutput().trimmed().isEmpty();
    });
    return done ? QString()
                : QStringLiteral("jobs still unfinished after %1 s\n").arg(limit.count()) +
                      errorLogProblems();
}

QString PrivateCupsServer::socketPath() const {
    return m_folder.filePath("cups.sock");
}

QString PrivateCupsServer::writeConfiguration() const {
    const QString folder = m_folder.path();
    // The back ends and filters run as another user: they must reach the folder and write to
    // the temporary one.
    const QFile::Permissions readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther;
    const QFile::Permissions writable = readable | QFile::WriteGroup | QFile::WriteOther;
    const QString temporary = m_folder.filePath("tmp");
    if (!QFile::setPermissions(folder, readable) || !QDir().mkdir(temporary) ||
        !QFile::setPermissions(temporary, writable))
        return QStringLiteral("cannot prepare ") + folder;
    const QString files =
        QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                       "TempDir %1/tmp\nAccessLog %1/access_log\nErrorLog %1/error_log\n"
                       "PageLog %1/page_log\nPrintcap %1/printcap\nServerKeychain %1/ssl\n"
                       "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
            .arg(folder);
    const QString scheduler =
        QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                       "</Policy>\n")
            .arg(socketPath());
    if (!writeFile(m_folder.filePath("cups-files.conf"), files) ||
        !writeFile(m_folder.filePath("cupsd.conf"), scheduler))
        return QStringLiteral("cannot write the configuration into ") + folder;
    return QString();
}

QString PrivateCupsServer::run(const QString &program, const QStringList &arguments) const {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(processTimeoutMs))
        return program + QStringLiteral(" did not finish: ") + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError());
    return QString();
}

QString PrivateCupsServer::errorLogProblems() const {
    QFile log(m_folder.filePath("error_log"));
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QStringList problems;
    while (!log.atEnd()) {
        const QString line = QString::fromLocal8Bit(log.readLine());
        if (line.startsWith("E "))
            problems << line;
    }
    return problems.join(QString());
}

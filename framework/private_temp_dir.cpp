#include "framework/private_temp_dir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

const QString kPrefix = QStringLiteral("vorn-");

// The process that made the folder of this name; nothing for another name.
std::optional<pid_t> MakerOf(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^vorn-([1-9][0-9]{0,9})-[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = pattern.match(name);
    bool ok = false;
    const qlonglong pid = match.hasMatch() ? match.captured(1).toLongLong(&ok) : 0;
    if (!ok || pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool IsGone(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A real folder (not a link to one) that belongs to this user.
bool IsOwnFolder(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid();
}

}  // namespace

void CPrivateTempDir::RemoveLeftovers()
{
    const QString base = QDir::tempPath();
    if (base.isEmpty())
        return;
    const QDir temporary(base);
    for (const QString& name : temporary.entryList({kPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden)) {
        const std::optional<pid_t> maker = MakerOf(name);
        const QString path = temporary.filePath(name);
        if (maker && IsGone(*maker) && IsOwnFolder(path))
            QDir(path).removeRecursively();
    }
}

CPrivateTempDir::CPrivateTempDir() = default;

CPrivateTempDir::~CPrivateTempDir() = default;

QString CPrivateTempDir::Path() const
{
    return m_dir ? m_dir->path() : QString();
}

CPrivateTempDir::NewFolder CPrivateTempDir::MakeFolder()
{
    if (!m_dir) {
        // Qt names no folder when TMPDIR names a missing one; the current one must not stand in.
        const QString base = QDir::tempPath();
        if (base.isEmpty())
            return {{}, QStringLiteral("the system's temporary folder %1 does not exist")
                            .arg(qEnvironmentVariable("TMPDIR", QStringLiteral("/tmp")))};
        // mkdtemp underneath: a new name, mode 0700.
        auto dir = std::make_unique<QTemporaryDir>(
            QDir(base).filePath(kPrefix + QString::number(::getpid()) + QStringLiteral("-XXXXXX")));
        if (!dir->isValid())
            return {{}, dir->errorString()};
        m_dir = std::move(dir);
    }
    const QString path = m_dir->filePath(QString::number(++m_made));
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0)
        return {{}, QString::fromLocal8Bit(std::strerror(errno))};
    return {path, {}};
}

}  // namespace vorn

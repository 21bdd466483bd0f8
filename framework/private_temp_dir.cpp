#include "framework/private_temp_dir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace vorn {

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
        auto dir = std::make_unique<QTemporaryDir>(QDir(base).filePath(QStringLiteral("vorn-XXXXXX")));
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

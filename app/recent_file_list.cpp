#include "app/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace vorn {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString EntryKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int maxSize) : m_maxSize(maxSize)
{
}

void CRecentFileList::Load()
{
    m_paths.clear();
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int index = 0; index < m_maxSize; ++index) {
        const QString path = settings.value(EntryKey(index)).toString();
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths.append(path);
    }
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > m_maxSize)
        m_paths.removeLast();
    Save();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_paths.size())
        return;
    m_paths.removeAt(index);
    Save();
}

void CRecentFileList::Save() const
{
    QSettings settings;
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int index = 0; index < m_paths.size(); ++index)
        settings.setValue(EntryKey(index), m_paths[index]);
}

}  // namespace vorn

#include "app/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace vorn {
CRecentFileList::CRecentFileList(const RecentListPlace& place)
    : m_group(QLatin1String(place.group)), m_keyPrefix(QLatin1String(place.keyPrefix)), m_maxSize(place.maxSize)
{
}

QString CRecentFileList::EntryKey(int index) const
{
    return m_keyPrefix + QString::number(index + 1);
}

void CRecentFileList::Load()
{
    m_paths.clear();
    QSettings settings;
    settings.beginGroup(m_group);
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
    settings.remove(m_group);
    settings.beginGroup(m_group);
    for (int index = 0; index < m_paths.size(); ++index)
        settings.setValue(EntryKey(index), m_paths[index]);
}

}  // namespace vorn

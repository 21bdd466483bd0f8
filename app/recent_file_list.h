#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

// Where a list is kept in the settings, and how long it grows.
struct RecentListPlace {
    const char* group;
    const char* keyPrefix;
    int maxSize;
};
// The archives opened: group "Recent File List", keys "File1", "File2", ...
inline constexpr RecentListPlace kRecentArchives{"Recent File List", "File", 4};
// The folders extracted into.
inline constexpr RecentListPlace kRecentTargets{"Recent Extract Folders", "Folder", 8};

// The most recently used files or folders, newest first, kept in the
// application's settings. Every change is written at once, so the list
// survives however the program ends.
class CRecentFileList {
public:
    explicit CRecentFileList(const RecentListPlace& place = kRecentArchives);

    // Reads the list from the settings.
    void Load();
    // Puts path (made absolute) first, dropping an older copy and the oldest entry
    // beyond the limit.
    void Add(const QString& path);
    void Remove(int index);

    const QStringList& Paths() const { return m_paths; }

private:
    void Save() const;

    QString EntryKey(int index) const;

    QString m_group;
    QString m_keyPrefix;
    int m_maxSize;
    QStringList m_paths;
};

}  // namespace vorn

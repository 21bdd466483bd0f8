#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

// The most recently opened files, newest first, kept in the application's
// settings (group "Recent File List", keys "File1", "File2", ...). Every change
// is written at once, so the list survives however the program ends.
class CRecentFileList {
public:
    static constexpr int kDefaultSize = 4;

    explicit CRecentFileList(int maxSize = kDefaultSize);

    // Reads the list from the settings.
    void Load();
    // Puts path (made absolute) first, dropping an older copy and the oldest entry
    // beyond the limit.
    void Add(const QString& path);
    void Remove(int index);

    const QStringList& Paths() const { return m_paths; }

private:
    void Save() const;

    int m_maxSize;
    QStringList m_paths;
};

}  // namespace vorn

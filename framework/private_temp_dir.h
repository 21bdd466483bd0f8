#pragma once

#include <QString>

#include <memory>

class QTemporaryDir;

namespace vorn {

// A folder of this process's own in the system's temporary folder, which only
// its user may enter (mode 0700), made when first needed and removed with all
// it holds when this object goes (at exit). Files handed to other programs
// (opened with the desktop, dragged out) are extracted into it. Its name holds
// the process id, so that the folders a killed process left behind can be
// told from those of running ones.
class CPrivateTempDir {
public:
    // A new folder inside it, or why none could be made.
    struct NewFolder {
        QString path;
        QString error;
    };

    CPrivateTempDir();
    // Removes the folders of this user's processes that no longer run.
    static void RemoveLeftovers();
    ~CPrivateTempDir();
    CPrivateTempDir(const CPrivateTempDir&) = delete;
    CPrivateTempDir& operator=(const CPrivateTempDir&) = delete;

    // Empty until the folder is made.
    QString Path() const;
    // A new empty folder for one use, so names never meet those of another.
    NewFolder MakeFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_made = 0;
};

}  // namespace vorn

#pragma once

#include <cstdint>
#include <string>

namespace vorn {

// A new file in a folder that takes its name only once it is complete, so that
// no name ever shows a partial file, whatever stops the process. It starts as
// an unnamed file (O_TMPFILE), which vanishes with the process; where the file
// system or a missing /proc rules that out, as a hidden temporary beside the
// name (".NAME.vorn-XXXXXXXX"), locked while it is written. Unless published,
// it is removed on destruction; what a killed process leaves behind goes with
// RemoveLeftoverPendingFiles.
class PendingFile {
public:
    PendingFile(int dirFd, std::string name);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Where the data goes; -1 if the file could not be created (see CreateError).
    int Descriptor() const { return m_fd; }
    int CreateError() const { return m_createError; }

    enum class Outcome { Published, NameTaken, CloseFailed, NamingFailed };
    struct Result {
        Outcome outcome;
        int error = 0;  // errno of the failing call
    };

    // Gives the complete file its name unless something stands there already
    // (NameTaken, and the file stays pending).
    Result PublishNew();
    // Gives the complete file its name in place of whatever stands there: the
    // old file stays whole until the new one replaces it in a single rename.
    // An unnamed file stands under a temporary name only between two calls.
    Result PublishReplacing();

private:
    int LinkUnnamedAs(const std::string& name) const;
    int Close();

    int m_dirFd;
    std::string m_name;
    int m_fd = -1;
    int m_createError = 0;
    bool m_unnamed = false;
    std::string m_temporary;  // the name it stands under until published, if any
};

// Removes the temporaries that killed processes of this user left in the
// folder (regular files named as PendingFile names them, that no process
// holds locked, never through a symbolic link); returns how many. A folder
// that cannot be listed is left as it is.
std::uint64_t RemoveLeftoverPendingFiles(int dirFd);

}  // namespace vorn

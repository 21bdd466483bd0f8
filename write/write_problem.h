#pragma once

#include "disk/name_safety.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

// What keeps an archive from being written as asked. The first group is found
// before anything is written, and all of it is reported at once; the second
// ends a write on the way, which then leaves nothing behind.
enum class WriteProblemKind {
    NameNotEncodable,    // a character the chosen encoding cannot store
    NameTooLong,         // more bytes than the name field holds: size, limit
    UnsafeName,          // unsafe: why
    NameTaken,           // another item of the folder has that name, or one that differs in case only: other
    TooDeep,             // folders nested deeper than the format allows: limit
    FileTooLarge,        // 4 GiB or more: size
    ArchiveTooLarge,     // data would reach past what 32-bit offsets address: size
    NotRegularFile,      // on disk: a symbolic link, FIFO, device or socket, never followed or read
    NotReadable,         // on disk: a file or folder that cannot be opened or listed: error
    OutputInsideFolder,  // the archive would be written into the folder it is made of
    OutputExists,        // and is not to be replaced
    NoSuchItem,          // a change names an item the archive does not hold
    NotAFolder,          // a change puts something into a file, or makes a folder of one
    ArchiveDamaged,      // the archive to change has a damaged catalogue, whose unread part a rewrite would lose
    SourceChanged,       // a file's size or time is not what it was when it was taken: size, other (then)
    SourceShortRead,     // the source archive ends before an entry's data does: size
    OutputFailed,        // the new archive could not be created, written or named: error
    Stopped,             // the user stopped the write
};

struct WriteProblem {
    WriteProblemKind kind;
    // The item concerned: an archive path ("DATA\\A.BIN") for names and
    // changes, a path on disk for files and folders on disk.
    std::string path = {};
    int error = 0;  // errno of the failing call
    std::optional<UnsafeName> unsafe = {};
    std::uint64_t size = 0;
    std::uint64_t limit = 0;
    std::string other = {};
};

using WriteProblems = std::vector<WriteProblem>;

}  // namespace vorn

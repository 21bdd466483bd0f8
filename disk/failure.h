#pragma once

#include "disk/name_safety.h"

#include <optional>
#include <string>
#include <vector>

namespace vorn {

// What went wrong while writing archived folders and files to disk.
enum class FailureKind {
    RefusedName,          // a catalogue name that cannot be used on disk as it stands
    NameTaken,            // a file and a folder of one name: the one first in the catalogue is written
    NameSpelledTwice,     // the name decodes the same as an earlier, differently spelled one of its folder
    FolderExists,         // a folder to be made stands there already and is not merged into
    FolderNotCreated,
    FolderNotEntered,     // made or found, but not opened (a symbolic link or a file in its place)
    TargetNotOpened,
    FileNotCreated,
    ShortRead,            // the archive ends, or cannot be read, before the file's data does
    WriteFailed,
    KeptExisting,         // an existing file was left as it stands
    NotReplaced,          // an existing file was to be replaced, and could not be
    WouldReplaceArchive,  // the name holds the archive being read
};

// How far a failure reaches: the entry was left out by rule, the entry could
// not be written, or nothing could be written at all.
enum class Severity { Warning, EntryFailed, RunFailed };

struct Failure {
    FailureKind kind;
    // Relative to the target, with '/' separators; for an unsafe name its path
    // in the archive, and for the target the target as given.
    std::string path;
    int error = 0;                          // errno of the failing call, 0 if none
    std::optional<UnsafeName> unsafeName = {};  // RefusedName: why
};

Severity SeverityOf(FailureKind kind);

// The worst severity among failures; nothing when there are none.
std::optional<Severity> WorstSeverity(const std::vector<Failure>& failures);

}  // namespace vorn

#pragma once

#include "disk/name_safety.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

enum class AnomalyKind {
    UnknownRecord,   // a record type other than file, folder or end
    Truncated,       // the catalogue stops inside a record, or leads past the end of the file
    MissingEnd,      // the file ends on a record boundary before the catalogue's closing record
    Loop,            // a folder leads back into a run that is still being read
    TooDeep,         // folders nested beyond the reader's bound
    Overrun,         // the walk read more records than the file can hold
    DataPastEnd,     // a file's data reaches past the end of the archive
    Overlap,         // two files share data bytes
    Duplicate,       // two files of the same name in one folder
    CaseCollision,   // two names in one folder that differ only in case
    UnsafeName,      // a name that cannot be written safely to disk
};

// How much a finding matters: a note tells of something harmless, a warning of
// items that cannot be taken as they stand, damage of a catalogue that is not
// what its writer meant (items lost, misplaced or pointing outside the file).
enum class FindingSeverity { Note, Warning, Damage };

// What a finding names besides its kind, item and offset; which fields a kind
// sets is said at each.
struct FindingDetail {
    std::string name = {};       // Loop, TooDeep, UnsafeName: the item's own name, which may hold a backslash
    bool isFolder = false;       // UnsafeName: the item is a folder
    std::optional<UnsafeName> unsafeName = {};  // UnsafeName: why
    std::string otherPath = {};  // Overlap: the file overlapped; CaseCollision: the name met first
    std::uint64_t position = 0;  // Loop: where the folder leads; DataPastEnd: where the data starts
    std::uint64_t size = 0;      // DataPastEnd: the data's size
    std::uint64_t bound = 0;     // DataPastEnd, Truncated: the archive's size
    std::uint64_t count = 0;     // Overrun: records read; TooDeep without a path: files not read
};

// One thing a catalogue walk or check found. It holds no text: DescribeFinding
// words it.
struct CatalogueAnomaly {
    AnomalyKind kind;
    // Of the record concerned, or where reading stopped; only the walk knows it.
    std::optional<std::uint64_t> offset = {};
    std::string path = {};  // of the file or folder concerned ("DATA\\A.BIN"); empty when no item is
    FindingDetail detail = {};
};

// "unknown-record", "truncated", ...: the kind as scripts see it.
const char* AnomalyKindName(AnomalyKind kind);

FindingSeverity SeverityOf(AnomalyKind kind);

// "note", "warning" or "damage".
const char* SeverityName(FindingSeverity severity);

// How many of findings are notes.
std::size_t CountNotes(const std::vector<CatalogueAnomaly>& findings);

}  // namespace vorn

#pragma once

#include "archive/archive_format.h"
#include "write/archive_writer.h"
#include "write/tree_changes.h"

#include <string>
#include <vector>

namespace vorn {

// A save: the open archive, read through its descriptor so that the save
// starts from the very archive the changes were made to, whatever has become
// of its path since; the changes, in order; and where the result goes.
struct SaveRequest {
    int archiveFd = -1;
    ArchiveFormat archiveFormat = ArchiveFormat::None;
    std::string nameEncoding;
    std::vector<TreeChange> changes;
    ArchiveFormat format = ArchiveFormat::None;  // of the archive written
    OutputTarget target;
    unsigned jobs = 1;
    WriteObserver* observer = nullptr;
};

// Reads the archive's catalogue with what its records keep besides, applies
// the changes and writes the result through WriteArchive: nothing is written
// unless all of it can be. An archive whose catalogue is damaged is refused,
// as what could not be read would be lost.
WriteResult SaveChanges(const SaveRequest& request);

}  // namespace vorn

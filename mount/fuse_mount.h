#pragma once

#include "mount/mount_index.h"

#include <string>

namespace vorn {

// Why a mount did not serve, or that it ended with its unmount.
struct [[nodiscard]] MountResult {
    enum class Kind {
        Unmounted,    // served until unmounted (or stopped by a signal)
        NoFuse,       // /dev/fuse cannot be used here
        MountFailed,  // the kernel refused the mount point
    };
    Kind kind = Kind::Unmounted;
    int error = 0;  // errno, for NoFuse
};

// Serves the archive read-only at mountpoint, as the index shows it, until it
// is unmounted (fusermount3 -u, or SIGINT/SIGTERM). Reads come straight from
// archiveFd; a read past the archive's end, or of an archive that changed
// since the mount, fails with EIO. Unless foreground, the process detaches
// once the mount stands.
MountResult ServeMount(int archiveFd, const Catalogue& catalogue, const MountIndex& index,
                       const std::string& archiveName, const std::string& mountpoint, bool foreground);

}  // namespace vorn

#include "cli/commands.h"

namespace vorn::cli {

int RunMount(const MountOptions&)
{
    StderrReporter reporter("vorn-cli");
    reporter.ShowMessage({"This vorn-cli was built without FUSE (libfuse3): it cannot mount archives", ""});
    return kExitUsage;
}

}  // namespace vorn::cli

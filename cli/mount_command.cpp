#include "cli/commands.h"
#include "mount/fuse_mount.h"

#include <cstring>

namespace vorn::cli {
namespace {

std::string OmissionReason(const MountOmission& omission)
{
    switch (omission.reason) {
    case MountOmission::Reason::UnsafeName:
        return omission.unsafe ? DescribeUnsafeName(*omission.unsafe) : "";
    case MountOmission::Reason::Replaced:
        return "a later item of its name in its folder stands in its place";
    case MountOmission::Reason::FolderHasName:
        return "a folder of its name stands in its place";
    }
    return {};
}

}  // namespace

int RunMount(const MountOptions& options)
{
    StderrReporter reporter("vorn-cli");
    const OpenedArchive opened = OpenArchive(options.archive, reporter);
    if (opened.exit != kExitOk)
        return opened.exit;
    const CArchiveFile& archive = *opened.archive;
    static_cast<void>(ReportLoadAnomalies(archive));
    const MountIndex index(archive.GetCatalogue());
    for (const MountOmission& omission : index.Omissions())
        reporter.ShowMessage({"Left out " + omission.path, OmissionReason(omission)});

    const MountResult result = ServeMount(archive.Descriptor(), archive.GetCatalogue(), index,
                                          archive.GetFileName(), options.mountpoint, options.foreground);
    switch (result.kind) {
    case MountResult::Kind::Unmounted:
        return kExitOk;
    case MountResult::Kind::NoFuse:
        reporter.ShowMessage({"FUSE is not available here", std::string("/dev/fuse: ") + std::strerror(result.error)});
        return kExitUsage;
    case MountResult::Kind::MountFailed:
        reporter.ShowMessage({"Could not mount " + options.archive.path + " on " + options.mountpoint, ""});
        return kExitUsage;
    }
    return kExitUsage;
}

}  // namespace vorn::cli

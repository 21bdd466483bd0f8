#include "archive/describe_finding.h"

namespace vorn {
namespace {

// "\DATA": the folder an item stands in, "\" at the top level.
std::string FolderOf(const CatalogueAnomaly& finding)
{
    const std::size_t nameLength = finding.detail.name.size();
    if (finding.path.size() <= nameLength)
        return "\\";
    return "\\" + finding.path.substr(0, finding.path.size() - nameLength - 1);
}

}  // namespace

std::string DescribeFinding(const CatalogueAnomaly& finding)
{
    const std::string path = "\\" + finding.path;
    const FindingDetail& detail = finding.detail;
    const std::string offset = std::to_string(finding.offset.value_or(0));
    const std::string folderRecord = "Folder \"" + detail.name + "\" at offset " + offset;
    switch (finding.kind) {
    case AnomalyKind::UnknownRecord:
        return "Unknown record type at offset " + offset + "; skipped.";
    case AnomalyKind::Truncated:
        if (finding.offset.value_or(0) >= detail.bound)
            return "The catalogue leads to offset " + offset + ", past the end of the archive.";
        return "The catalogue ends inside a record at offset " + offset + ".";
    case AnomalyKind::MissingEnd:
        return "The catalogue ends without its closing record.";
    case AnomalyKind::Loop:
        return folderRecord + " leads back to offset " + std::to_string(detail.position) + "; not followed.";
    case AnomalyKind::TooDeep:
        if (finding.path.empty()) {
            return "Folders at offset " + offset + " and after are nested too deep; " + std::to_string(detail.count) +
                   " files in them were not read.";
        }
        return folderRecord + " is nested too deep; its contents were not read.";
    case AnomalyKind::Overrun:
        return "The catalogue's records overlap; reading stopped after " + std::to_string(detail.count) + " records.";
    case AnomalyKind::DataPastEnd:
        return "The data of " + path + " lies past the end of the archive (offset " + std::to_string(detail.position) +
               ", size " + std::to_string(detail.size) + ", archive size " + std::to_string(detail.bound) + ").";
    case AnomalyKind::Overlap:
        return "The data of " + path + " overlaps that of \\" + detail.otherPath + ".";
    case AnomalyKind::Duplicate:
        return path + " occurs more than once.";
    case AnomalyKind::CaseCollision:
        return path + " differs only in case from \\" + detail.otherPath + ".";
    case AnomalyKind::UnsafeName:
        return std::string(detail.isFolder ? "Folder" : "File") + " \"" + detail.name + "\" in " + FolderOf(finding) +
               ": " + (detail.unsafeName ? DescribeUnsafeName(*detail.unsafeName) : "") + ".";
    }
    return {};
}

}  // namespace vorn

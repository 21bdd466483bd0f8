#include "edit/save_changes.h"

#include "archive/archive_file.h"
#include "write/archive_update.h"

namespace vorn {
namespace {

WriteResult Refused(WriteProblem problem)
{
    return {{std::move(problem)}, {}};
}

}  // namespace

WriteResult SaveChanges(const SaveRequest& request)
{
    CollectingReporter unused;  // the archive copies nothing out
    const CArchiveFile archive("/proc/self/fd/" + std::to_string(request.archiveFd), unused, request.archiveFormat,
                               NameDecoder::For(request.nameEncoding).value_or(NameDecoder::Default()), {},
                               FileRecordOffsets::Keep);
    if (!archive.IsOpen())
        return Refused({WriteProblemKind::NotReadable, request.target.path, archive.GetOpenError().code});
    if (HasDamage(archive.GetCatalogue()))
        return Refused({WriteProblemKind::ArchiveDamaged, request.target.path});
    std::optional<NameEncoder> names = NameEncoder::For(request.nameEncoding);
    if (!names)
        names = NameEncoder::For(kDefaultNameEncoding);
    UpdatedTree updated = TreeWithChanges(archive.GetCatalogue(), request.changes, request.format, *names);
    if (!updated.problems.empty())
        return {std::move(updated.problems), {}};
    return WriteArchive(updated.tree, *names, {archive.Descriptor(), archive.GetFormat()},
                        {request.format, request.jobs, request.observer}, request.target);
}

}  // namespace vorn

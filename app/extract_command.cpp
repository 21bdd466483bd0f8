#include "app/extract_command.h"

#include "app/busy_state.h"
#include "app/extraction_job.h"
#include "app/recent_file_list.h"
#include "archive/describe_failure.h"
#include "dialogs/extract_dialog.h"
#include "disk/target_folder.h"
#include "dialogs/failure_report_dialog.h"
#include "framework/message_box.h"
#include "views/figures.h"
#include "views/item_facts.h"
#include "views/item_facts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

// The tree and the list word a target they cannot enter differently.
std::string UnreachableTargetText(PaneSelection::Pane pane)
{
    return pane == PaneSelection::Pane::Tree ? "Could not change to directory " : "Could not create directory ";
}

FolderFailureText FolderFailureTextOf(PaneSelection::Pane pane)
{
    return pane == PaneSelection::Pane::Tree ? FolderFailureText::MakeDirectory : FolderFailureText::CreateDirectory;
}

// Makes the folder at path with its parents unless something stands there;
// why not, in the system's words, when it cannot. Whatever stands there is
// left to WhyNotEnterable.
std::optional<std::string> WhyNotMade(const QString& path)
{
    if (const int error = MakeTargetFolder(QFile::encodeName(path).toStdString()))
        return std::strerror(error);
    return std::nullopt;
}

// Why the folder at path cannot be entered, in the system's words; nothing when it can.
std::optional<std::string> WhyNotEnterable(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return std::strerror(ENOTDIR);
    if (::access(native.constData(), X_OK) != 0)
        return std::strerror(errno);
    return std::nullopt;
}

}  // namespace

void StartExtractCommand(QWidget* parent, CBusyState& busy, const PaneSelection& request,
                         const QString& initialFolder, ExtractionDone done)
{
    CRecentFileList recentTargets(kRecentTargets);
    recentTargets.Load();
    CExtractDialog dialog(initialFolder, parent);
    if (request.archive)
        dialog.SetContentText(ExtractPrompt(*request.archive, request.items));
    dialog.OfferRecentFolders(recentTargets.Paths());
    if (dialog.DoModal() && StartExtractionInto(parent, busy, request, dialog.GetPath(), std::move(done)))
        recentTargets.Add(dialog.GetPath());
}

bool StartExtractionInto(QWidget* parent, CBusyState& busy, const PaneSelection& request, const QString& target,
                         ExtractionDone done)
{
    // A relative folder means the one below the current directory now, as OK is pressed.
    const QString folder = QFileInfo(QDir::current(), target).absoluteFilePath();
    if (const std::optional<std::string> notMade = target.isEmpty() ? std::nullopt : WhyNotMade(folder)) {
        ShowMessageBox(parent, {QObject::tr("Could not create directory %1").arg(target).toStdString(), *notMade});
        return false;
    }
    const std::optional<std::string> unreachable = target.isEmpty() ? "No folder given." : WhyNotEnterable(folder);
    if (unreachable) {
        ShowMessageBox(parent, {UnreachableTargetText(request.pane) + target.toStdString(), *unreachable});
        return false;
    }
    if (!request.archive || request.items.empty()) {
        done(ExtractionResult{});
        return true;
    }
    auto* job = new CExtractionJob(parent, request.archive, folder, request.items,
                                   {OverwritePolicy::Ask, ExistingFolder::Merge, DefaultExtractionJobs()});
    // The report belongs to the run: the window stays busy until it is closed.
    QObject::connect(job, &CExtractionJob::finished, job,
                     [parent, pane = request.pane, done = std::move(done)](const ExtractionResult& result) {
                         if (!result.failures.empty()) {
                             std::vector<Message> report;
                             for (const Failure& failure : result.failures)
                                 report.push_back(DescribeFailure(failure, FolderFailureTextOf(pane)));
                             CFailureReportDialog(report, parent).exec();
                         }
                         done(result);
                     });
    busy.Run(job);
    return true;
}

std::uint64_t FailureCount(const ExtractionResult& result)
{
    // Warnings (a file kept as it stands) are in the report, but are no failures.
    return static_cast<std::uint64_t>(std::ranges::count_if(
        result.failures, [](const Failure& failure) { return SeverityOf(failure.kind) != Severity::Warning; }));
}

QString OutcomeText(const ExtractionResult& result)
{
    if (result.cancelled)
        return QObject::tr("Cancelled after %1 of %2")
            .arg(GroupedNumber(result.filesWritten), CountedFiles(result.filesPlanned));
    if (const std::uint64_t failed = FailureCount(result); failed > 0)
        return QObject::tr("%1 — see the report")
            .arg(Counted(failed, QT_TRANSLATE_NOOP("Counted", "failure"), QT_TRANSLATE_NOOP("Counted", "failures")));
    QString outcome = QObject::tr("%1 extracted").arg(CountedFiles(result.filesWritten));
    if (result.filesKept > 0)
        outcome = QObject::tr("%1, %2 skipped").arg(outcome, GroupedNumber(result.filesKept));
    if (result.leftoversRemoved > 0)
        outcome =
            QObject::tr("%1; %2 of an interrupted run removed")
                .arg(outcome, Counted(result.leftoversRemoved, QT_TRANSLATE_NOOP("Counted", "leftover temporary file"),
                                      QT_TRANSLATE_NOOP("Counted", "leftover temporary files")));
    return outcome;
}

}  // namespace vorn

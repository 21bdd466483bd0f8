#include "app/extract_command.h"

#include "dialogs/extract_dialog.h"
#include "app/extraction_runner.h"
#include "dialogs/failure_report_dialog.h"
#include "framework/message_box.h"

#include <QDir>
#include <QFileInfo>

namespace vorn {
namespace {

// The tree and the list word a target they cannot enter differently.
std::string UnreachableTargetText(ExtractRequest::Pane pane)
{
    return pane == ExtractRequest::Pane::Tree ? "Could not change to directory " : "Could not create directory ";
}

FolderFailureText FolderFailureTextOf(ExtractRequest::Pane pane)
{
    return pane == ExtractRequest::Pane::Tree ? FolderFailureText::MakeDirectory : FolderFailureText::CreateDirectory;
}

bool CanEnter(const QFileInfo& folder)
{
    return folder.isDir() && folder.isExecutable();
}

}  // namespace

std::optional<ExtractionResult> RunExtractCommand(QWidget* parent, const ExtractRequest& request,
                                                  const QString& initialFolder)
{
    CExtractDialog dialog(initialFolder, parent);
    if (!dialog.DoModal())
        return std::nullopt;
    const QString target = dialog.GetPath();
    // A relative folder means the one below the current directory now, as OK is pressed.
    const QFileInfo folder(QDir::current(), target);
    if (target.isEmpty() || !CanEnter(folder)) {
        ShowMessageBox(parent, {UnreachableTargetText(request.pane) + target.toStdString(), ""});
        return std::nullopt;
    }
    if (!request.archive || request.items.empty())
        return ExtractionResult{};

    const ExtractionResult result =
        RunExtractionWithProgress(parent, request.archive, folder.absoluteFilePath(), request.items,
                                  {FolderFailureTextOf(request.pane), OverwritePolicy::Ask});
    if (!result.failures.empty())
        CFailureReportDialog(result.failures, parent).exec();
    return result;
}

}  // namespace vorn

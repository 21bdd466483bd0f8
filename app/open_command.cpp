#include "app/open_command.h"

#include "app/extraction_runner.h"
#include "app/run_guard.h"
#include "archive/archive_file.h"
#include "archive/describe_failure.h"
#include "framework/message_box.h"
#include "framework/private_temp_dir.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace vorn {

QString OpenWithDesktop(QWidget* parent, CRunGuard& guard, std::shared_ptr<const CArchiveFile> archive,
                        std::uint32_t entry, CPrivateTempDir& temporary)
{
    const FileEntry& file = archive->Entries()[entry];
    const std::string failed = "Could not open " + ItemPath(file.m_folder, file.m_name);
    const CPrivateTempDir::NewFolder folder = temporary.MakeFolder();
    if (folder.path.isEmpty()) {
        ShowMessageBox(parent, {failed, "No private temporary folder: " + folder.error.toStdString()});
        return {};
    }

    ExtractionResult result;
    {
        const CRunGuard::Scope running(guard);
        result = RunExtractionWithProgress(parent, guard, std::move(archive), folder.path,
                                           {ExtractionItem::File(entry)}, {OverwritePolicy::Skip});
    }
    if (result.cancelled)
        return {};
    if (!result.failures.empty()) {
        ShowMessageBox(parent, {failed, OneLine(DescribeFailure(result.failures.front()))});
        return {};
    }
    const QString path = QDir(folder.path).filePath(QString::fromStdString(file.m_name));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        ShowMessageBox(parent, {failed, "No application to open it with was found."});
        return {};
    }
    return path;
}

}  // namespace vorn

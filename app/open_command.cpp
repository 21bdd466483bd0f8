#include "app/open_command.h"

#include "app/busy_state.h"
#include "app/extraction_job.h"
#include "archive/archive_file.h"
#include "archive/describe_failure.h"
#include "framework/message_box.h"
#include "framework/private_temp_dir.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace vorn {

void StartOpenWithDesktop(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive,
                          std::uint32_t entry, CPrivateTempDir& temporary)
{
    const FileEntry& file = archive->Entries()[entry];
    const std::string failed =
        QObject::tr("Could not open %1").arg(QString::fromStdString(ItemPath(file.m_folder, file.m_name))).toStdString();
    const CPrivateTempDir::NewFolder folder = temporary.MakeFolder();
    if (folder.path.isEmpty()) {
        ShowMessageBox(parent, {failed, QObject::tr("No private temporary folder: %1").arg(folder.error).toStdString()});
        return;
    }
    const QString path = QDir(folder.path).filePath(QString::fromStdString(file.m_name));
    auto* job = new CExtractionJob(parent, std::move(archive), folder.path, {ExtractionItem::File(entry)},
                                   {OverwritePolicy::Skip});
    QObject::connect(job, &CExtractionJob::finished, job, [parent, failed, path](const ExtractionResult& result) {
        if (result.cancelled)
            return;
        if (!result.failures.empty())
            ShowMessageBox(parent, {failed, OneLine(DescribeFailure(result.failures.front()))});
        else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            ShowMessageBox(parent, {failed, QObject::tr("No application to open it with was found.").toStdString()});
    });
    busy.Run(job);
}

}  // namespace vorn

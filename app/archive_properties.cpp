#include "app/archive_properties.h"

#include "app/load_report.h"
#include "archive/archive_file.h"
#include "archive/archive_summary.h"
#include "dialogs/properties_dialog.h"
#include "views/figures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorn {
namespace {

QString FormatText(ArchiveFormat format)
{
    switch (format) {
    case ArchiveFormat::Dir:
        return QObject::tr("DIR, records of %1 bytes").arg(kDirLayout.recordSize);
    case ArchiveFormat::Pck:
        return QObject::tr("PCK, records of %1 bytes").arg(kPckLayout.recordSize);
    case ArchiveFormat::None:
        break;
    }
    return QObject::tr("None: no DIR or PCK extension");
}

}  // namespace

void ShowArchiveProperties(QWidget* parent, const CArchiveFile& archive)
{
    const ArchiveSummary summary = Summarize(archive);
    const QString path = QDir::toNativeSeparators(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(archive.GetPathName()))).absoluteFilePath());
    const CPropertiesDialog::Lines lines = {
        {QObject::tr("Location:"), path},
        {QObject::tr("Format:"), FormatText(summary.format)},
        {QObject::tr("Catalogue records:"), GroupedNumber(summary.records)},
        {QObject::tr("Folders:"), GroupedNumber(summary.folders)},
        {QObject::tr("Files:"), GroupedNumber(summary.files)},
        {QObject::tr("Total size of the files:"), ByteCountText(summary.totalBytes)},
        {QObject::tr("Size of the archive:"), ByteCountText(summary.archiveSize)},
        {QObject::tr("Data bytes no entry covers:"), ByteCountText(summary.uncoveredBytes)},
    };
    CPropertiesDialog::Notes findings{QObject::tr("What loading found:"), {},
                                      QObject::tr("Nothing: the catalogue loaded cleanly.")};
    if (const std::optional<Message> report = LoadReport(archive, path.toStdString()))
        for (const std::string& line : report->list)
            findings.items << QString::fromStdString(line);
    CPropertiesDialog(QObject::tr("%1 Properties").arg(QFileInfo(path).fileName()), lines, findings, parent).exec();
}

}  // namespace vorn

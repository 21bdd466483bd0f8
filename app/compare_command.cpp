#include "app/compare_command.h"

#include "app/busy_state.h"
#include "app/job.h"
#include "app/run_progress.h"
#include "archive/archive_file.h"
#include "compare/archive_diff.h"
#include "dialogs/report_dialog.h"
#include "framework/message_box.h"
#include "views/figures.h"

#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

namespace vorn {
namespace {

// One row of the report, and the item of the open archive it reveals (none
// for what only the other archive holds).
struct Change {
    QStringList cells;
    std::string revealed;
};

QString Text(const std::string& path)
{
    return QString::fromStdString(path);
}

std::vector<Change> ChangesOf(const ArchiveDiff& diff, const QString& a, const QString& b)
{
    std::vector<Change> changes;
    const auto add = [&](const std::vector<std::string>& paths, const QString& kind, bool inA) {
        for (const std::string& path : paths)
            changes.push_back({{kind, Text(path), {}}, inA ? path : std::string()});
    };
    add(diff.foldersRemoved, QObject::tr("Folder only in %1").arg(a), true);
    add(diff.foldersAdded, QObject::tr("Folder only in %1").arg(b), false);
    add(diff.removed, QObject::tr("Only in %1").arg(a), true);
    add(diff.added, QObject::tr("Only in %1").arg(b), false);
    add(diff.changed, QObject::tr("Differs"), true);
    for (const ArchiveDiff::Move& move : diff.moved)
        changes.push_back({{QObject::tr("Moved"), Text(move.from), Text(move.to)}, move.from});
    for (const ArchiveDiff::Unread& unread : diff.unread) {
        const bool inA = unread.side == ArchiveDiff::Unread::Side::A;
        changes.push_back({{QObject::tr("Not read whole in %1").arg(inA ? a : b), Text(unread.path), {}},
                           inA ? unread.path : std::string()});
    }
    return changes;
}

class CCompareJob final : public CJob {
public:
    CCompareJob(QWidget* parent, std::shared_ptr<const CArchiveFile> archive, const QString& otherPath,
                std::function<void(const std::string&)> reveal)
        : m_parent(parent), m_archive(std::move(archive)), m_otherPath(otherPath), m_reveal(std::move(reveal)),
          m_progress(parent)
    {
        SetUpRunProgress(m_progress, QObject::tr("Comparing the archives..."));
        m_progress.setRange(0, 0);
        m_progress.setCancelButton(nullptr);
    }

private:
    // Both archives are read again, each on a thread of its own: the open one
    // as it is on disk now, in its format and name encoding.
    void Work() override
    {
        const std::string encoding = m_archive->GetNameEncoding();
        const auto opener = [&](const std::string& path, std::optional<ArchiveFormat> format,
                                std::unique_ptr<CArchiveFile>& opened) {
            return [&, path, format](const FileSink& sink) -> const CArchiveFile* {
                opened = std::make_unique<CArchiveFile>(path, m_silent, format, *NameDecoder::For(encoding), sink);
                return opened->IsOpen() && opened->GetFormat() != ArchiveFormat::None ? opened.get() : nullptr;
            };
        };
        m_diff = CompareArchives(opener(m_archive->GetPathName(), m_archive->GetFormat(), m_openedA),
                                 opener(QFile::encodeName(m_otherPath).toStdString(), std::nullopt, m_openedB));
    }

    void Deliver() override
    {
        m_progress.hide();
        m_progress.cancel();
        const QString a = QFile::decodeName(QByteArray::fromStdString(m_archive->GetFileName()));
        const QString b = QFileInfo(m_otherPath).fileName();
        if (!m_diff) {
            ShowMessageBox(m_parent,
                           {QObject::tr("Could not compare %1 with %2").arg(a, m_otherPath).toStdString(),
                            QObject::tr("One of them cannot be read as a DIR or PCK archive.").toStdString()});
            return;
        }
        const std::vector<Change> changes = ChangesOf(*m_diff, a, b);
        QList<QStringList> rows;
        std::vector<std::string> revealed;
        for (const Change& change : changes) {
            rows.append(change.cells);
            revealed.push_back(change.revealed);
        }
        const QString summary =
            changes.empty() ? QObject::tr("No differences: %1 and %2 hold the same folders and files.").arg(a, b)
                            : QObject::tr("%1 between %2 and %3.")
                                  .arg(Counted(changes.size(), QT_TRANSLATE_NOOP("Counted", "difference"),
                                               QT_TRANSLATE_NOOP("Counted", "differences")),
                                       a, b);
        auto* report =
            new CReportDialog(QObject::tr("%1 compared with %2").arg(a, b), summary,
                              {QObject::tr("Change"), QObject::tr("Path"), QObject::tr("Moved to")}, rows, m_parent);
        report->setAttribute(Qt::WA_DeleteOnClose);
        connect(report, &CReportDialog::RowActivated, report,
                [reveal = m_reveal, revealed](int row) {
                    if (!revealed[static_cast<std::size_t>(row)].empty())
                        reveal(revealed[static_cast<std::size_t>(row)]);
                });
        report->show();
    }

    QWidget* m_parent;
    std::shared_ptr<const CArchiveFile> m_archive;
    QString m_otherPath;
    std::function<void(const std::string&)> m_reveal;
    QProgressDialog m_progress;
    CollectingReporter m_silent;  // the archives read here copy nothing out
    std::unique_ptr<CArchiveFile> m_openedA;
    std::unique_ptr<CArchiveFile> m_openedB;
    std::optional<ArchiveDiff> m_diff;
};

}  // namespace

void StartCompareArchives(QWidget* parent, CBusyState& busy, std::shared_ptr<const CArchiveFile> archive,
                          const QString& otherPath, std::function<void(const std::string& path)> reveal)
{
    busy.Run(new CCompareJob(parent, std::move(archive), otherPath, std::move(reveal)));
}

}  // namespace vorn

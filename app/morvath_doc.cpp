#include "app/morvath_doc.h"

#include "app/load_report.h"
#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "framework/message_reporter.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/preview_pane.h"

#include <QDir>
#include <QFile>

namespace vorn {

CMorvathDoc::CMorvathDoc(MessageReporter& reporter) : m_reporter(reporter)
{
}

CMorvathDoc::~CMorvathDoc()
{
    InstallArchive(nullptr);
}

bool CMorvathDoc::OnNewDocument()
{
    InstallArchive(nullptr);
    return true;
}

bool CMorvathDoc::OnOpenDocument(const QString& path, const std::string& nameEncoding)
{
    // The core's open alone: it refuses what is not a regular file without waiting on it.
    auto archive = std::make_shared<const CArchiveFile>(QFile::encodeName(path).toStdString(), m_reporter,
                                                        std::nullopt,
                                                        NameDecoder::For(nameEncoding).value_or(NameDecoder::Default()));
    const std::string shownPath = QDir::toNativeSeparators(path).toStdString();
    if (!archive->IsOpen()) {
        m_reporter.ShowMessage(OpenFailure(*archive, shownPath));
        return false;
    }
    InstallArchive(std::move(archive));
    RefreshViews();
    if (const std::optional<Message> report = LoadReport(*GetArchive(), shownPath))
        m_reporter.ShowMessage(*report);
    return true;
}

void CMorvathDoc::ReplaceArchive(std::shared_ptr<const CArchiveFile> archive)
{
    InstallArchive(std::move(archive));
    RefreshViews();
}

void CMorvathDoc::RefreshViews()
{
    if (!m_pending)
        return;
    if (m_listView)
        m_listView->DeleteAllItems();
    if (m_treeView)
        m_treeView->RebuildTree();
}

std::shared_ptr<const CArchiveFile> CMorvathDoc::SharedArchive() const
{
    return m_pending ? m_pending->Saved() : nullptr;
}

bool CMorvathDoc::IsModified() const
{
    return m_pending && m_pending->PendingSteps() > 0;
}

void CMorvathDoc::ChangesMade()
{
    if (m_treeView)
        m_treeView->Refresh();
    if (m_listView)
        m_listView->Refresh();
    if (m_previewView)
        m_previewView->Refresh();
}

void CMorvathDoc::RegisterView(CDirView* view)
{
    m_treeView = view;
}

void CMorvathDoc::RegisterView(CFilesPane* view)
{
    m_listView = view;
}

void CMorvathDoc::RegisterView(CPreviewPane* view)
{
    m_previewView = view;
}

void CMorvathDoc::InstallArchive(std::shared_ptr<const CArchiveFile> archive)
{
    // The views let go of the old archive before the document does.
    std::shared_ptr<PendingArchive> pending = archive ? std::make_shared<PendingArchive>(std::move(archive)) : nullptr;
    if (m_treeView)
        m_treeView->SetArchive(pending);
    if (m_listView)
        m_listView->SetArchive(pending);
    if (m_previewView)
        m_previewView->SetArchive(pending);
    m_pending = std::move(pending);
}

}  // namespace vorn

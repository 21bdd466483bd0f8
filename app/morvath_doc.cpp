#include "app/morvath_doc.h"

#include "archive/archive_file.h"
#include "framework/message_reporter.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/dir_view.h"
#include "views/files_view.h"

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

bool CMorvathDoc::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_reporter.ShowMessage({res::LoadString(res::IDS_OPEN_FAILED).toStdString(),
                                (QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString())
                                    .toStdString()});
        return false;
    }
    file.close();
    InstallArchive(std::make_shared<const CArchiveFile>(QFile::encodeName(path).toStdString(), m_reporter));
    RefreshViews();
    return true;
}

void CMorvathDoc::RefreshViews()
{
    if (!m_archive)
        return;
    if (m_listView)
        m_listView->DeleteAllItems();
    if (m_treeView)
        m_treeView->RebuildTree();
}

void CMorvathDoc::RegisterView(CDirView* view)
{
    m_treeView = view;
}

void CMorvathDoc::RegisterView(CFilesView* view)
{
    m_listView = view;
}

void CMorvathDoc::InstallArchive(std::shared_ptr<const CArchiveFile> archive)
{
    // The views let go of the old archive before the document does.
    if (m_treeView)
        m_treeView->SetArchive(archive);
    if (m_listView)
        m_listView->SetArchive(archive);
    m_archive = std::move(archive);
}

}  // namespace vorn

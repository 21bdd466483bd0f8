#pragma once

#include "archive/name_encoding.h"

#include <QPointer>
#include <QString>

#include <memory>

namespace vorn {

class CArchiveFile;
class CDirView;
class PendingArchive;
class CFilesPane;
class CPreviewPane;
class MessageReporter;

// The application's one document: it holds the open archive, with the
// changes made to it and not saved yet, and hands both to the views. The
// archive is shared, so a run that still reads it keeps it after the
// document has let it go. The document is modified while changes are
// pending; saving them writes a new archive, which the document then opens.
class CMorvathDoc {
public:
    // The failure to open a file and the report of a load go to reporter,
    // which must outlive the document and its archives.
    explicit CMorvathDoc(MessageReporter& reporter);
    ~CMorvathDoc();
    CMorvathDoc(const CMorvathDoc&) = delete;
    CMorvathDoc& operator=(const CMorvathDoc&) = delete;

    // Ctrl+N: releases the archive; the views become empty.
    bool OnNewDocument();
    // Loads the archive at path and replaces the current one; the old archive
    // is released only once the new one has loaded. False, with nothing
    // changed, when the file cannot be opened for reading; an archive that
    // loads badly still opens, with what could be read, and one message tells
    // everything its load found wrong.
    bool OnOpenDocument(const QString& path, const std::string& nameEncoding = kDefaultNameEncoding);
    // Puts archive, the open archive read once more (with other names), in
    // its place; the views show it anew.
    void ReplaceArchive(std::shared_ptr<const CArchiveFile> archive);
    std::shared_ptr<const CArchiveFile> SharedArchive() const;
    // Empties the list and rebuilds the tree for the current archive.
    void RefreshViews();

    const CArchiveFile* GetArchive() const { return SharedArchive().get(); }
    // The archive as the pending changes make it; null while none is open.
    PendingArchive* Pending() const { return m_pending.get(); }
    bool IsModified() const;
    // The views show the archive anew after a pending change, or its undo.
    void ChangesMade();

    // The frame registers each view once it has made it.
    void RegisterView(CDirView* view);
    void RegisterView(CFilesPane* view);
    void RegisterView(CPreviewPane* view);

private:
    void InstallArchive(std::shared_ptr<const CArchiveFile> archive);

    MessageReporter& m_reporter;
    std::shared_ptr<PendingArchive> m_pending;  // with the archive it was made on, null while none is open
    QPointer<CDirView> m_treeView;
    QPointer<CFilesPane> m_listView;
    QPointer<CPreviewPane> m_previewView;
};

}  // namespace vorn

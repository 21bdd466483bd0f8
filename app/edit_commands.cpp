#include "app/edit_commands.h"

#include "app/busy_state.h"
#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "edit/pending_archive.h"
#include "framework/message_box.h"
#include "res/resource_ids.h"
#include "views/dir_view.h"
#include "views/figures.h"
#include "views/files_view.h"
#include "write/describe_write_problem.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QStatusBar>

namespace vorn {
namespace {

// The commands that read the archive as it was saved, pending changes or not.
constexpr int kCommandsOnTheSavedArchive[] = {res::ID_FILE_EXTRACT, res::ID_FILE_EXTRACT_HERE, res::ID_FILE_TEST,
                                              res::ID_FILE_PROPERTIES, res::ID_FILE_COMPARE};

std::string DiskPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace

CEditCommands::CEditCommands(CMainFrame& frame, CMorvathDoc& document)
    : QObject(&frame), m_frame(frame), m_document(document), m_pendingCount(new QLabel(&frame))
{
    m_pendingCount->setAccessibleName(tr("Pending changes"));
    m_pendingCount->setToolTip(tr("Extract, drag out, Test, Properties and Compare read the archive as saved: "
                                  "the pending changes are in it once File > Save has written them"));
    m_undoText = m_frame.CommandAction(res::ID_EDIT_UNDO)->text();
    m_redoText = m_frame.CommandAction(res::ID_EDIT_REDO)->text();
    frame.statusBar()->addPermanentWidget(m_pendingCount);
    const auto route = [this](int commandId, void (CEditCommands::*handler)()) {
        connect(m_frame.CommandAction(commandId), &QAction::triggered, this, handler);
    };
    route(res::ID_EDIT_REPLACE, &CEditCommands::Replace);
    route(res::ID_EDIT_ADD_FILES, &CEditCommands::AddFiles);
    route(res::ID_EDIT_ADD_FOLDER, &CEditCommands::AddFolder);
    route(res::ID_EDIT_NEW_FOLDER, &CEditCommands::NewFolder);
    route(res::ID_EDIT_RENAME, &CEditCommands::Rename);
    route(res::ID_EDIT_DELETE, &CEditCommands::Delete);
    route(res::ID_EDIT_UNDO, &CEditCommands::Undo);
    route(res::ID_EDIT_REDO, &CEditCommands::Redo);
    connect(&m_frame.FilesView()->Model(), &CFilesModel::RenameRequested, this, &CEditCommands::RenameRow);
    Update();
}

void CEditCommands::Update()
{
    const PendingArchive* pending = m_document.Pending();
    const bool open = pending && pending->Saved()->GetFormat() != ArchiveFormat::None;
    const std::vector<PendingItem> selected = open ? SelectedItems() : std::vector<PendingItem>{};
    const bool oneFile = selected.size() == 1 && !selected.front().IsFolder();
    m_frame.CommandAction(res::ID_EDIT_REPLACE)->setEnabled(oneFile);
    m_frame.CommandAction(res::ID_EDIT_RENAME)->setEnabled(selected.size() == 1);
    m_frame.CommandAction(res::ID_EDIT_DELETE)->setEnabled(!selected.empty());
    for (const int commandId : {res::ID_EDIT_ADD_FILES, res::ID_EDIT_ADD_FOLDER, res::ID_EDIT_NEW_FOLDER})
        m_frame.CommandAction(commandId)->setEnabled(open);

    const std::optional<PendingStep> undo = pending ? pending->NextUndo() : std::nullopt;
    const std::optional<PendingStep> redo = pending ? pending->NextRedo() : std::nullopt;
    QAction* undoAction = m_frame.CommandAction(res::ID_EDIT_UNDO);
    QAction* redoAction = m_frame.CommandAction(res::ID_EDIT_REDO);
    undoAction->setEnabled(undo.has_value());
    redoAction->setEnabled(redo.has_value());
    // "&Undo Rename TITLE.BMP", the shortcut after the tab as the menu shows it.
    const auto named = [this](const QString& text, const std::optional<PendingStep>& step) {
        return step ? text.section(QLatin1Char('\t'), 0, 0) + QLatin1Char(' ') + StepText(*step) + QLatin1Char('\t') +
                          text.section(QLatin1Char('\t'), 1)
                    : text;
    };
    undoAction->setText(named(m_undoText, undo));
    redoAction->setText(named(m_redoText, redo));

    const bool modified = m_document.IsModified();
    m_frame.setWindowModified(modified);
    m_frame.CommandAction(res::ID_FILE_SAVE)->setEnabled(open);
    m_frame.CommandAction(res::ID_FILE_SAVE_AS)->setEnabled(open);
    m_pendingCount->setText(modified ? Counted(pending->PendingSteps(), QT_TRANSLATE_NOOP("Counted", "pending change"),
                                               QT_TRANSLATE_NOOP("Counted", "pending changes"))
                                     : QString());
    const QString asSaved = tr(" (as saved: without the pending changes)");
    for (const int commandId : kCommandsOnTheSavedArchive) {
        QAction* action = m_frame.CommandAction(commandId);
        QString tip = action->statusTip();
        if (tip.endsWith(asSaved))
            tip.chop(asSaved.size());
        action->setStatusTip(modified ? tip + asSaved : tip);
    }
}

QString CEditCommands::StepText(const PendingStep& step) const
{
    const QString name = QString::fromStdString(step.name);
    const QString items = step.items == 1 ? name
                                          : Counted(step.items, QT_TRANSLATE_NOOP("Counted", "item"),
                                                    QT_TRANSLATE_NOOP("Counted", "items"));
    switch (step.kind) {
    case PendingStep::Kind::Replace:
        return tr("Replace %1").arg(name);
    case PendingStep::Kind::Add:
        return tr("Add %1").arg(items);
    case PendingStep::Kind::MakeFolder:
        return tr("New Folder %1").arg(name);
    case PendingStep::Kind::Delete:
        return tr("Delete %1").arg(items);
    case PendingStep::Kind::Rename:
        return tr("Rename %1").arg(name);
    }
    return {};
}

const CDirNode* CEditCommands::ShownFolder() const
{
    const QModelIndex current = m_frame.DirView()->currentIndex();
    return current.isValid() ? m_frame.DirView()->Model().FolderAt(current) : nullptr;
}

std::vector<PendingItem> CEditCommands::SelectedItems() const
{
    std::vector<PendingItem> items;
    if (m_frame.GetActiveView() == m_frame.DirView()) {
        if (const CDirNode* folder = ShownFolder())
            items.push_back(PendingItem::Folder(*folder));
        return items;
    }
    const CFilesView& list = *m_frame.FilesView();
    for (const QModelIndex& row : list.selectionModel()->selectedRows())
        items.push_back(list.Model().PendingItemAt(row.row()));
    return items;
}

template <typename Problems>
void CEditCommands::Done(const Problems& problems)
{
    if (!problems.empty()) {
        ShowMessageBox(&m_frame, DescribeWriteProblems(problems));
        return;
    }
    m_document.ChangesMade();
    Update();
}

void CEditCommands::Replace()
{
    const std::vector<PendingItem> selected = SelectedItems();
    if (selected.size() != 1 || selected.front().IsFolder())
        return;
    PendingArchive& pending = *m_document.Pending();
    const QString name = QString::fromStdString(pending.File(selected.front().file).m_name);
    const QString path = QFileDialog::getOpenFileName(&m_frame, tr("Replace %1").arg(name));
    if (!path.isEmpty())
        Done(pending.Replace(selected.front().file, DiskPath(path)));
}

void CEditCommands::AddPaths(const QStringList& paths)
{
    if (paths.isEmpty() || !m_document.Pending())
        return;
    std::vector<std::string> diskPaths;
    for (const QString& path : paths)
        diskPaths.push_back(DiskPath(path));
    Done(m_document.Pending()->Add(ShownFolder(), diskPaths));
}

void CEditCommands::AddFiles()
{
    AddPaths(QFileDialog::getOpenFileNames(&m_frame, tr("Add Files")));
}

void CEditCommands::AddFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(&m_frame, tr("Add Folder"));
    if (!folder.isEmpty())
        AddPaths({folder});
}

void CEditCommands::NewFolder()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(&m_frame, tr("New Folder"), tr("Name of the new folder:"),
                                               QLineEdit::Normal, tr("NEW FOLDER"), &accepted);
    if (accepted && m_document.Pending())
        Done(m_document.Pending()->MakeFolder(ShownFolder(), name.toStdString()));
}

void CEditCommands::Rename()
{
    const std::vector<PendingItem> selected = SelectedItems();
    if (selected.size() != 1)
        return;
    CFilesView& list = *m_frame.FilesView();
    if (m_frame.GetActiveView() == &list) {
        list.edit(list.Model().index(list.selectionModel()->selectedRows().front().row(), NameColumn));
        return;
    }
    const PendingItem& item = selected.front();
    const QString old = QString::fromStdString(std::string(m_document.Pending()->FolderName(*item.folder)));
    bool accepted = false;
    const QString name = QInputDialog::getText(&m_frame, tr("Rename"), tr("New name of %1:").arg(old),
                                               QLineEdit::Normal, old, &accepted);
    if (accepted)
        Done(m_document.Pending()->Rename(item, name.toStdString()));
}

void CEditCommands::RenameRow(int row, const QString& name)
{
    if (!m_document.Pending() || m_frame.Busy().IsBusy())
        return;
    CFilesView& list = *m_frame.FilesView();
    Done(m_document.Pending()->Rename(list.Model().PendingItemAt(row), name.toStdString()));
    // The rows shown anew took the editor, and the focus with it, away.
    list.setFocus(Qt::OtherFocusReason);
}

void CEditCommands::Delete()
{
    const std::vector<PendingItem> selected = SelectedItems();
    if (selected.empty())
        return;
    m_document.Pending()->Delete(selected);
    Done(WriteProblems{});
}

void CEditCommands::Undo()
{
    m_document.Pending()->Undo();
    Done(WriteProblems{});
}

void CEditCommands::Redo()
{
    m_document.Pending()->Redo();
    Done(WriteProblems{});
}

}  // namespace vorn

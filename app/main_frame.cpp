#include "app/main_frame.h"

#include "app/archive_properties.h"
#include "app/busy_state.h"
#include "app/compare_command.h"
#include "app/frame_commands.h"
#include "app/edit_commands.h"
#include "app/item_menu.h"
#include "app/lock_key_indicators.h"
#include "app/morvath_doc.h"
#include "app/status_panes.h"
#include "app/test_command.h"
#include "app/window_layout.h"
#include "archive/archive_file.h"
#include "archive/archive_format.h"
#include "archive/name_encoding.h"
#include "dialogs/properties_dialog.h"
#include "extract/item_lookup.h"
#include "res/images.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/item_facts.h"
#include "views/pane_activity.h"
#include "views/preview_pane.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <array>
#include <utility>

namespace vorn {
namespace {

constexpr QSize kInitialSize(760, 520);
// Narrower windows show the preview below the list rather than beside it.
constexpr int kPreviewBesideWidth = 960;
const QString kPreviewShownKey = QStringLiteral("Settings/Preview");

// The first DIR or PCK file among what another program drags over the window;
// rows dragged out of this window's own list are not taken back.
QString DroppableArchive(const QDropEvent& event)
{
    if (event.source() || !event.mimeData()->hasUrls())
        return {};
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile() && FormatFromPath(QFile::encodeName(url.toLocalFile()).toStdString()) != ArchiveFormat::None)
            return url.toLocalFile();
    return {};
}

// The files and folders on disk that a drop from outside the window brings.
QStringList DroppedFiles(const QDropEvent& event)
{
    QStringList files;
    if (event.source() || !event.mimeData()->hasUrls())
        return files;
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile())
            files << url.toLocalFile();
    return files;
}

enum class DropMeaning { Open, Add, Cancel };

// What an archive dropped on the list while another is open is meant for.
DropMeaning AskWhatTheDropMeans(QWidget* parent, const QString& path)
{
    QMessageBox question(QMessageBox::Question, QApplication::applicationName(),
                         QObject::tr("Open %1, or add it to the archive shown?").arg(QFileInfo(path).fileName()),
                         QMessageBox::NoButton, parent);
    QPushButton* open = question.addButton(QObject::tr("Open"), QMessageBox::AcceptRole);
    QPushButton* add = question.addButton(QObject::tr("Add to Archive"), QMessageBox::ActionRole);
    question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(open);
    question.exec();
    return question.clickedButton() == open  ? DropMeaning::Open
           : question.clickedButton() == add ? DropMeaning::Add
                                             : DropMeaning::Cancel;
}

// Whether the user wants the job that is going on stopped and the window closed.
bool AskToStopAndQuit(QWidget* parent)
{
    QMessageBox question(QMessageBox::Question, QApplication::applicationName(),
                         QObject::tr("A run is going on. Stop it and quit?"), QMessageBox::NoButton, parent);
    QPushButton* stop = question.addButton(QObject::tr("Stop and Quit"), QMessageBox::AcceptRole);
    question.addButton(QObject::tr("Keep Running"), QMessageBox::RejectRole);
    question.setDefaultButton(stop);
    question.exec();
    return question.clickedButton() == stop;
}

}  // namespace

CMainFrame::CMainFrame(CMorvathDoc& document, QWidget* parent) : QMainWindow(parent), m_busy(new CBusyState(this))
{
    // The placeholder shows the platform's mark while changes are pending.
    setWindowTitle(res::WindowTitle() + QStringLiteral("[*]"));
    setWindowIcon(res::ApplicationIcon());
    CreateCommands();
    WaitWhileBusy();
    CreateStatusBar();
    OnCreateClient(document);
    m_edits = new CEditCommands(*this, document);
    resize(kInitialSize);
    setAcceptDrops(true);
    m_focusTracking =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
}

CMainFrame::~CMainFrame()
{
    // The panes go away with the window's children, after this; focus moves then must not reach them.
    disconnect(m_focusTracking);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_busy->IsBusy()) {
        event->ignore();
        if (!m_closeWhenIdle && AskToStopAndQuit(this)) {
            m_closeWhenIdle = true;
            m_busy->StopAll();
        }
        return;
    }
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    SaveWindowLayout(*this, *m_wndSplitter, *m_filesView);
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const bool addable = !DroppedFiles(*event).isEmpty() &&
                         m_commands->Action(res::ID_EDIT_ADD_FILES)->isEnabled();
    if ((!DroppableArchive(*event).isEmpty() || addable) && !m_busy->IsBusy())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // An archive opens, as it always has; other files join the folder shown.
    // An archive dropped on the list while one is open may be either.
    const QString path = DroppableArchive(*event);
    const QStringList files = DroppedFiles(*event);
    const bool addable = !files.isEmpty() && m_commands->Action(res::ID_EDIT_ADD_FILES)->isEnabled();
    const QPoint onList = m_filesView->viewport()->mapFrom(this, event->position().toPoint());
    const bool archiveOnList = !path.isEmpty() && addable && m_filesView->viewport()->rect().contains(onList);
    if (!path.isEmpty() && !archiveOnList) {
        event->acceptProposedAction();
        emit ArchiveDropped(path);
        return;
    }
    if (!addable)
        return;
    event->acceptProposedAction();
    const DropMeaning meaning = archiveOnList ? AskWhatTheDropMeans(this, path) : DropMeaning::Add;
    if (meaning == DropMeaning::Open)
        emit ArchiveDropped(path);
    else if (meaning == DropMeaning::Add)
        m_edits->AddPaths(files);
}

QAction* CMainFrame::CommandAction(int commandId) const
{
    return m_commands->Action(commandId);
}

void CMainFrame::CreateCommands()
{
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("m_wndToolBar"));
    // Not a window title: that would rename the tool bar's show/hide command.
    m_wndToolBar->setAccessibleName(tr("Toolbar"));
    m_commands = new CFrameCommands(*this, *m_wndToolBar, *m_busy);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_commands, &CFrameCommands::RecentFileRequested, this, &CMainFrame::RecentFileRequested);
    connect(m_commands, &CFrameCommands::NameEncodingRequested, this, &CMainFrame::NameEncodingRequested);

    QAction* statusBarAction = CommandAction(res::ID_VIEW_STATUS_BAR);
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    connect(CommandAction(res::ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    connect(CommandAction(res::ID_FILE_EXTRACT), &QAction::triggered, this, &CMainFrame::OnFileExtract);
    connect(CommandAction(res::ID_FILE_EXTRACT_HERE), &QAction::triggered, this,
            [this] { emit ExtractHereRequested(ActiveSelection()); });
    connect(CommandAction(res::ID_FILE_PROPERTIES), &QAction::triggered, this, &CMainFrame::OnProperties);
    connect(CommandAction(res::ID_FILE_TEST), &QAction::triggered, this, [this] {
        if (std::shared_ptr<const CArchiveFile> archive = ActiveSelection().archive)
            StartTestArchive(this, *m_busy, std::move(archive));
    });
    connect(CommandAction(res::ID_FILE_COMPARE), &QAction::triggered, this, &CMainFrame::OnCompareWith);
    connect(CommandAction(res::ID_EDIT_COPY_PATH), &QAction::triggered, this, &CMainFrame::OnCopyPath);
    // The preview follows the list's current file: showing the pane is all Preview has to do.
    connect(CommandAction(res::ID_ITEM_PREVIEW), &QAction::triggered, this,
            [this] { CommandAction(res::ID_VIEW_PREVIEW)->setChecked(true); });
    connect(CommandAction(res::ID_NEXT_PANE), &QAction::triggered, this, [this] { ActivateNeighbourPane(1); });
    connect(CommandAction(res::ID_PREV_PANE), &QAction::triggered, this, [this] { ActivateNeighbourPane(-1); });
}

void CMainFrame::WaitWhileBusy()
{
    connect(m_busy, &CBusyState::BusyChanged, this, [this](bool busy) {
        // Rows dragged out are extracted first: another job.
        m_filesView->setDragEnabled(!busy);
        // A close the user confirmed during a run happens once the run has ended.
        if (!busy && m_closeWhenIdle)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->setAccessibleName(tr("Status bar"));
    m_statusPanes = new CStatusPanes(*statusBar());
    m_indicators = new CLockKeyIndicators(*statusBar());
}

void CMainFrame::OnCreateClient(CMorvathDoc& document)
{
    m_wndSplitter = new QSplitter(Qt::Horizontal, this);
    m_dirView = new CDirView(m_wndSplitter);
    m_listSplitter = new QSplitter(Qt::Horizontal, m_wndSplitter);
    m_filesPane = new CFilesPane(m_listSplitter);
    m_filesView = m_filesPane->List();
    m_previewPane = new CPreviewPane(m_listSplitter);
    document.RegisterView(m_dirView);
    document.RegisterView(m_filesPane);
    document.RegisterView(m_previewPane);
    m_wndSplitter->addWidget(m_dirView);
    m_wndSplitter->addWidget(m_listSplitter);
    m_wndSplitter->setCollapsible(0, false);
    m_wndSplitter->setCollapsible(1, false);
    // The tree keeps its width when the window is resized; the list takes the rest.
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({kTreeWidth, kInitialSize.width() - kTreeWidth});
    setCentralWidget(m_wndSplitter);
    // The list shows what the tree selects; a folder opened from the list is selected in the tree.
    connect(m_dirView, &CDirView::FolderSelected, m_filesPane, &CFilesPane::ShowFolder);
    connect(m_dirView, &CDirView::SelectionCleared, m_filesPane, &CFilesPane::DeleteAllItems);
    connect(m_filesPane, &CFilesPane::FolderRequested, m_dirView, &CDirView::SelectFolder);
    // Opening a file extracts it first: another job, which waits while one goes on.
    connect(m_filesPane, &CFilesPane::FileOpenRequested, this,
            [this](std::shared_ptr<const CArchiveFile> archive, std::uint32_t entry) {
                if (!m_busy->IsBusy())
                    emit FileOpenRequested(std::move(archive), entry);
            });
    m_commands->ConnectBrowsing(*m_filesPane, *m_filesView);
    connect(m_dirView, &CDirView::ExtractRequested, this, &CMainFrame::ExtractRequested);
    connect(m_filesView, &CFilesView::ExtractRequested, this, &CMainFrame::ExtractRequested);
    connect(m_filesView, &CFilesView::DragRequested, this, &CMainFrame::DragRequested);
    // What the commands act on, and what the status bar says, follow both panes.
    connect(m_filesPane, &CFilesPane::ListChanged, this, &CMainFrame::OnListChanged);
    connect(m_dirView, &CDirView::FolderSelected, this, &CMainFrame::UpdateCommandStates);
    connect(m_dirView, &CDirView::SelectionCleared, this, &CMainFrame::UpdateCommandStates);
    for (QAbstractItemView* view : std::initializer_list<QAbstractItemView*>{m_dirView, m_filesView})
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& position) { OnContextMenu(*view, position); });
    CreatePreview();
    SetActiveView(m_filesView);
}

void CMainFrame::CreatePreview()
{
    m_listSplitter->addWidget(m_filesPane);
    m_listSplitter->addWidget(m_previewPane);
    m_listSplitter->setCollapsible(0, false);
    m_listSplitter->setCollapsible(1, false);
    QAction* shown = CommandAction(res::ID_VIEW_PREVIEW);
    shown->setCheckable(true);
    connect(shown, &QAction::toggled, this, [this](bool on) {
        m_previewPane->setVisible(on);
        QSettings().setValue(kPreviewShownKey, on);
    });
    const bool on = QSettings().value(kPreviewShownKey, false).toBool();
    shown->setChecked(on);
    m_previewPane->setVisible(on);
    // The preview follows the list's current row while it is selected.
    const auto follow = [this] {
        const QModelIndex current = m_filesView->currentIndex();
        const bool selected = current.isValid() && m_filesView->selectionModel()->isRowSelected(current.row());
        m_previewPane->ShowEntry(selected ? m_filesView->Model().EntryAt(current.row()) : std::nullopt);
    };
    connect(m_filesPane, &CFilesPane::ListChanged, this, follow);
    connect(m_filesView->selectionModel(), &QItemSelectionModel::currentChanged, this, follow);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const Qt::Orientation orientation = width() >= kPreviewBesideWidth ? Qt::Horizontal : Qt::Vertical;
    if (m_listSplitter->orientation() != orientation) {
        m_listSplitter->setOrientation(orientation);
        const int length = orientation == Qt::Horizontal ? m_listSplitter->width() : m_listSplitter->height();
        m_listSplitter->setSizes({length / 2, length - length / 2});
    }
}

void CMainFrame::SetActiveView(QWidget* view)
{
    MarkActiveView(view);
    view->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::MarkActiveView(QWidget* view)
{
    if (view == m_activeView)
        return;
    m_activeView = view;
    ShowAsActivePane(*m_dirView, view == m_dirView);
    ShowAsActivePane(*m_filesView, view == m_filesView);
    UpdateCommandStates();
}

PaneSelection CMainFrame::ActiveSelection() const
{
    return m_activeView == m_dirView ? m_dirView->CurrentSelection() : m_filesView->CurrentSelection();
}

void CMainFrame::SetExtractHereAvailable(bool available)
{
    m_extractHereAvailable = available;
    UpdateCommandStates();
}

void CMainFrame::ShowRunOutcome(const QString& outcome)
{
    m_statusPanes->ShowOutcome(outcome);
}

void CMainFrame::ShowArchiveNotice(const QString& notice)
{
    m_statusPanes->ShowArchiveNotice(notice);
}

QString CMainFrame::StatusMessage() const
{
    return m_statusPanes->MessageText();
}

void CMainFrame::UpdateCommandStates()
{
    m_commands->UpdateStates(ActiveSelection(), m_extractHereAvailable);
    if (m_edits)
        m_edits->Update();
}

void CMainFrame::OnListChanged()
{
    m_statusPanes->ShowListSummary(m_filesPane->ContentSummary(), m_filesPane->SelectionSummary());
    UpdateCommandStates();
}

void CMainFrame::OnContextMenu(QAbstractItemView& view, const QPoint& position)
{
    const bool onItem = view.indexAt(position).isValid();
    if (!onItem && &view != m_filesView)
        return;
    SetActiveView(&view);
    const PaneSelection request = ActiveSelection();
    const QPoint where = view.viewport()->mapToGlobal(position);
    // A row added since the last save is no item of the saved archive, which
    // the item commands read; its own commands (Rename, Delete) still apply.
    if (onItem && request.archive && (!request.items.empty() || view.selectionModel()->hasSelection()))
        ShowItemMenu(*m_commands, this, request, where);
    else if (!onItem && m_commands->Action(res::ID_EDIT_ADD_FILES)->isEnabled())
        ShowFolderMenu(*m_commands, this, where);
}

void CMainFrame::OnCompareWith()
{
    std::shared_ptr<const CArchiveFile> archive = ActiveSelection().archive;
    if (!archive)
        return;
    const QString other = QFileDialog::getOpenFileName(
        this, res::StatusPrompt(res::ID_FILE_COMPARE),
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(archive->GetPathName()))).absolutePath(),
        res::LoadString(res::IDS_OPEN_FILTER));
    if (other.isEmpty())
        return;
    // A row of the report shows its item, if the window still has the archive it names.
    StartCompareArchives(this, *m_busy, std::move(archive), other, [this](const std::string& path) {
        const CArchiveFile* shown = ActiveSelection().archive.get();
        if (const auto item = shown ? FindItem(shown->GetCatalogue(), path) : std::nullopt)
            m_filesPane->Reveal(*item);
    });
}

void CMainFrame::OnProperties()
{
    const PaneSelection request = ActiveSelection();
    if (!request.archive)
        return;
    const bool wholeArchive = request.items.empty() ||
                              (request.items.size() == 1 && request.items.front().kind == ExtractionItem::Kind::TopLevel);
    if (wholeArchive)
        ShowArchiveProperties(this, *request.archive);
    else
        CPropertiesDialog(tr("Properties"), FactLines(FactsOf(*request.archive, request.items)), this).exec();
}

void CMainFrame::OnCopyPath()
{
    const PaneSelection request = ActiveSelection();
    if (!request.archive)
        return;
    QStringList paths;
    for (const ExtractionItem& item : request.items)
        paths << PathOf(request.archive->GetCatalogue(), item);
    QApplication::clipboard()->setText(paths.join(QLatin1Char('\n')));
}

void CMainFrame::SetRecentFiles(const QStringList& paths)
{
    m_commands->SetRecentFiles(paths);
}

void CMainFrame::SetNameEncoding(const QString& encoding)
{
    m_commands->SetNameEncoding(encoding);
}

void CMainFrame::OnFileExtract()
{
    // While the Extract dialog is up, the status bar says what it will extract.
    statusBar()->showMessage(CommandAction(res::ID_FILE_EXTRACT)->statusTip());
    if (m_activeView == m_dirView)
        m_dirView->OnExtract();
    else
        m_filesView->OnExtract();
    statusBar()->clearMessage();
}

void CMainFrame::ActivateNeighbourPane(int step)
{
    const std::array<QWidget*, 2> panes{m_dirView, m_filesView};
    const int current = m_activeView == m_dirView ? 0 : 1;
    const int count = static_cast<int>(panes.size());
    SetActiveView(panes[static_cast<std::size_t>((current + step + count) % count)]);
}

void CMainFrame::OnFocusChanged(QWidget* now)
{
    if (!now)
        return;
    if (now == m_dirView || m_dirView->isAncestorOf(now))
        MarkActiveView(m_dirView);
    else if (now == m_filesPane || m_filesPane->isAncestorOf(now))
        MarkActiveView(m_filesView);
}

}  // namespace vorn

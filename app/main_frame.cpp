#include "app/main_frame.h"

#include "app/archive_properties.h"
#include "app/item_menu.h"
#include "app/lock_key_indicators.h"
#include "app/morvath_doc.h"
#include "app/run_guard.h"
#include "app/status_panes.h"
#include "app/test_command.h"
#include "app/window_layout.h"
#include "archive/archive_file.h"
#include "archive/archive_format.h"
#include "archive/name_encoding.h"
#include "dialogs/properties_dialog.h"
#include "res/images.h"
#include "res/main_frame_resources.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/item_facts.h"
#include "views/pane_activity.h"
#include "views/preview_pane.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <array>
#include <utility>

namespace vorn {
namespace {

constexpr std::array kRecentFileCommands{res::ID_FILE_MRU_FILE1, res::ID_FILE_MRU_FILE2, res::ID_FILE_MRU_FILE3,
                                         res::ID_FILE_MRU_FILE4};
// The commands that replace the document or start a run.
constexpr std::array kCommandsGuardedDuringRuns{res::ID_FILE_NEW,          res::ID_FILE_OPEN,
                                                res::ID_FILE_EXTRACT,      res::ID_FILE_EXTRACT_HERE,
                                                res::ID_FILE_TEST,         res::ID_VIEW_NAME_ENCODING,
                                                res::ID_FILE_MRU_FILE1,    res::ID_FILE_MRU_FILE2,
                                                res::ID_FILE_MRU_FILE3,    res::ID_FILE_MRU_FILE4};

// The View menu's way to what the list's header does with the mouse.
constexpr std::pair<int, ListColumn> kSortCommands[] = {
    {res::ID_VIEW_SORT_NAME, NameColumn}, {res::ID_VIEW_SORT_SIZE, SizeColumn}, {res::ID_VIEW_SORT_TYPE, TypeColumn}};
constexpr std::pair<int, ListColumn> kColumnCommands[] = {{res::ID_VIEW_COLUMN_BYTES, BytesColumn},
                                                          {res::ID_VIEW_COLUMN_OFFSET, OffsetColumn}};

constexpr QSize kToolBarImageSize(18, 15);
constexpr QSize kInitialSize(760, 520);
// Narrower windows show the preview below the list rather than beside it.
constexpr int kPreviewBesideWidth = 960;
const QString kPreviewShownKey = QStringLiteral("Settings/Preview");

bool ActsOnSomething(const ExtractRequest& request)
{
    return request.archive && !request.items.empty();
}

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

// "&1 /path/to/archive.pck", with the path's own ampersands kept literal.
QString RecentFileText(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

CMainFrame::CMainFrame(CMorvathDoc& document, QWidget* parent) : QMainWindow(parent), m_runGuard(new CRunGuard(this))
{
    setWindowTitle(res::WindowTitle());
    setWindowIcon(res::ApplicationIcon());
    CreateActions();
    GuardRuns();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    OnCreateClient(document);
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
    if (m_runGuard->IsRunning()) {
        m_closeAfterRun = true;
        m_runGuard->RequestStop();
        event->ignore();
        return;
    }
    SaveWindowLayout(*this);
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppableArchive(*event).isEmpty() && m_actions.value(res::ID_FILE_OPEN)->isEnabled())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppableArchive(*event);
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit ArchiveDropped(path);
}

QAction* CMainFrame::CommandAction(int commandId) const
{
    return m_actions.value(commandId, nullptr);
}

void CMainFrame::CreateActions()
{
    // The tool bar's own show/hide action keeps its check mark in step with the bar.
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("m_wndToolBar"));
    // Not a window title: that would rename the tool bar's show/hide command.
    m_wndToolBar->setAccessibleName(tr("Toolbar"));
    m_actions.insert(res::ID_VIEW_TOOLBAR, m_wndToolBar->toggleViewAction());

    const auto commandAction = [this](int commandId) {
        QAction* action = m_actions.value(commandId, nullptr);
        if (!action) {
            action = new QAction(this);
            m_actions.insert(commandId, action);
        }
        action->setStatusTip(res::StatusPrompt(commandId));
        action->setToolTip(res::ToolTipPrompt(commandId));
        action->setIcon(res::ToolBarIcon(commandId));
        addAction(action);  // shortcuts work whether or not the command has a menu item
        return action;
    };
    for (const res::MenuPopup& popup : res::MainMenu())
        for (const res::MenuItem& item : popup.items)
            if (item.commandId != res::kSeparator)
                commandAction(item.commandId)->setText(QString::fromUtf8(item.text));
    for (const res::MenuItem& item : res::ItemMenu())
        if (item.text)
            commandAction(item.commandId)->setText(QString::fromUtf8(item.text));
    for (const res::Accelerator& accelerator : res::MainAccelerators()) {
        QAction* action = commandAction(accelerator.commandId);
        action->setShortcuts(action->shortcuts() << QKeySequence(QString::fromUtf8(accelerator.keys)));
    }
    for (int commandId : kRecentFileCommands)
        commandAction(commandId);
    // Tooltips name the shortcut too: "Open (Ctrl+O)".
    for (QAction* action : std::as_const(m_actions))
        if (!action->shortcut().isEmpty() && !action->toolTip().isEmpty())
            action->setToolTip(QStringLiteral("%1 (%2)").arg(
                action->toolTip(), action->shortcut().toString(QKeySequence::NativeText)));

    CreateNameEncodingMenu();

    QAction* statusBarAction = m_actions.value(res::ID_VIEW_STATUS_BAR);
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    m_recentFilePlaceholder = m_actions.value(res::ID_FILE_MRU_FILE1)->text();
    for (int index = 0; index < static_cast<int>(kRecentFileCommands.size()); ++index)
        connect(m_actions.value(kRecentFileCommands[static_cast<std::size_t>(index)]), &QAction::triggered, this,
                [this, index] { emit RecentFileRequested(index); });
    connect(m_actions.value(res::ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    connect(m_actions.value(res::ID_FILE_EXTRACT), &QAction::triggered, this, &CMainFrame::OnFileExtract);
    connect(m_actions.value(res::ID_FILE_EXTRACT_HERE), &QAction::triggered, this,
            [this] { emit ExtractHereRequested(ActiveRequest()); });
    connect(m_actions.value(res::ID_FILE_PROPERTIES), &QAction::triggered, this, &CMainFrame::OnProperties);
    connect(m_actions.value(res::ID_FILE_TEST), &QAction::triggered, this, [this] {
        if (std::shared_ptr<const CArchiveFile> archive = ActiveRequest().archive)
            TestArchive(this, *m_runGuard, std::move(archive));
    });
    connect(m_actions.value(res::ID_EDIT_COPY_PATH), &QAction::triggered, this, &CMainFrame::OnCopyPath);
    // The preview follows the list's current file: showing the pane is all Preview has to do.
    connect(m_actions.value(res::ID_ITEM_PREVIEW), &QAction::triggered, this,
            [this] { m_actions.value(res::ID_VIEW_PREVIEW)->setChecked(true); });
    connect(m_actions.value(res::ID_FILE_SAVE), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(m_actions.value(res::ID_NEXT_PANE), &QAction::triggered, this, [this] { ActivateNeighbourPane(1); });
    connect(m_actions.value(res::ID_PREV_PANE), &QAction::triggered, this, [this] { ActivateNeighbourPane(-1); });
}

void CMainFrame::CreateNameEncodingMenu()
{
    auto* encodings = new QMenu(this);
    m_nameEncodings = new QActionGroup(this);
    for (const std::string& encoding : NameEncodings()) {
        const QString name = QString::fromStdString(encoding);
        QAction* action = encodings->addAction(name);
        action->setCheckable(true);
        action->setData(name);
        m_nameEncodings->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { emit NameEncodingRequested(name); });
    }
    m_actions.value(res::ID_VIEW_NAME_ENCODING)->setMenu(encodings);
    SetNameEncoding(QString::fromStdString(kDefaultNameEncoding));
}

void CMainFrame::SetNameEncoding(const QString& encoding)
{
    for (QAction* action : m_nameEncodings->actions())
        action->setChecked(action->data().toString() == encoding);
}

void CMainFrame::GuardRuns()
{
    for (int commandId : kCommandsGuardedDuringRuns)
        m_runGuard->Guard(m_actions.value(commandId));
    // A close asked for during a run happens once the run has ended.
    connect(m_runGuard, &CRunGuard::RunningChanged, this, [this](bool running) {
        if (!running && m_closeAfterRun)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
}

void CMainFrame::ConnectBrowsingCommands()
{
    connect(m_actions.value(res::ID_ITEM_OPEN), &QAction::triggered, m_filesPane, &CFilesPane::OpenSelected);
    connect(m_actions.value(res::ID_EDIT_FIND), &QAction::triggered, m_filesPane, &CFilesPane::FocusFilter);
    connect(m_actions.value(res::ID_GO_BACK), &QAction::triggered, m_filesPane, &CFilesPane::GoBack);
    connect(m_actions.value(res::ID_GO_FORWARD), &QAction::triggered, m_filesPane, &CFilesPane::GoForward);
    connect(m_actions.value(res::ID_GO_UP), &QAction::triggered, m_filesPane, &CFilesPane::GoUp);
    for (const auto& [commandId, column] : kSortCommands)
        connect(m_actions.value(commandId), &QAction::triggered, m_filesView, [this, column] { m_filesView->SortBy(column); });
    for (const auto& [commandId, column] : kColumnCommands) {
        QAction* action = m_actions.value(commandId);
        action->setCheckable(true);
        connect(action, &QAction::triggered, m_filesView,
                [this, column](bool shown) { m_filesView->ShowOptionalColumn(column, shown); });
    }
    // The header's menu and a restored layout show and hide them too.
    const auto markShownColumns = [this] {
        for (const auto& [commandId, column] : kColumnCommands)
            m_actions.value(commandId)->setChecked(!m_filesView->isColumnHidden(column));
    };
    connect(m_filesView, &CFilesView::OptionalColumnsChanged, this, markShownColumns);
    markShownColumns();
}

void CMainFrame::CreateMenus()
{
    for (const res::MenuPopup& popup : res::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.text));
        for (const res::MenuItem& item : popup.items) {
            if (item.commandId == res::kSeparator) {
                menu->addSeparator();
                continue;
            }
            menu->addAction(m_actions.value(item.commandId));
            // Its tooltip says why it is disabled.
            if (item.commandId == res::ID_FILE_EXTRACT_HERE)
                menu->setToolTipsVisible(true);
            // The other recent-file entries follow the first one.
            if (item.commandId == res::ID_FILE_MRU_FILE1)
                for (std::size_t index = 1; index < kRecentFileCommands.size(); ++index)
                    menu->addAction(m_actions.value(kRecentFileCommands[index]));
        }
    }
    SetRecentFiles({});
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar->setIconSize(kToolBarImageSize);
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int commandId : res::MainToolBar()) {
        if (commandId == res::kSeparator)
            m_wndToolBar->addSeparator();
        else
            m_wndToolBar->addAction(m_actions.value(commandId));
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
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
    connect(m_filesPane, &CFilesPane::FileOpenRequested, this, &CMainFrame::FileOpenRequested);
    ConnectBrowsingCommands();
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
    QAction* shown = m_actions.value(res::ID_VIEW_PREVIEW);
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

ExtractRequest CMainFrame::ActiveRequest() const
{
    return m_activeView == m_dirView ? m_dirView->CurrentRequest() : m_filesView->CurrentRequest();
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
    // The run guard disables what must wait for a run; these states come back after it.
    const ExtractRequest request = ActiveRequest();
    const bool something = ActsOnSomething(request);
    QAction* extract = m_actions.value(res::ID_FILE_EXTRACT);
    extract->setEnabled(something);
    extract->setStatusTip(something ? ExtractPrompt(*request.archive, request.items)
                                    : res::StatusPrompt(res::ID_FILE_EXTRACT));
    QAction* here = m_actions.value(res::ID_FILE_EXTRACT_HERE);
    here->setEnabled(something && m_extractHereAvailable);
    const QString whyNot = res::LoadString(res::IDS_NO_DEFAULT_FOLDER);
    here->setToolTip(m_extractHereAvailable ? res::ToolTipPrompt(res::ID_FILE_EXTRACT_HERE) : whyNot);
    here->setStatusTip(m_extractHereAvailable ? res::StatusPrompt(res::ID_FILE_EXTRACT_HERE) : whyNot);
    // With nothing selected, or the archive's own item, Properties is about the whole archive.
    m_actions.value(res::ID_FILE_PROPERTIES)->setEnabled(request.archive != nullptr);
    m_actions.value(res::ID_FILE_TEST)->setEnabled(request.archive != nullptr);
    m_actions.value(res::ID_VIEW_NAME_ENCODING)->setEnabled(request.archive != nullptr);
    m_actions.value(res::ID_EDIT_COPY_PATH)->setEnabled(something);
}

void CMainFrame::OnListChanged()
{
    m_statusPanes->ShowListSummary(m_filesPane->ContentSummary(), m_filesPane->SelectionSummary());
    UpdateCommandStates();
}

void CMainFrame::OnContextMenu(QAbstractItemView& view, const QPoint& position)
{
    if (!view.indexAt(position).isValid())
        return;
    SetActiveView(&view);
    const ExtractRequest request = ActiveRequest();
    if (ActsOnSomething(request))
        ShowItemMenu(*this, request, view.viewport()->mapToGlobal(position));
}

void CMainFrame::OnProperties()
{
    const ExtractRequest request = ActiveRequest();
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
    const ExtractRequest request = ActiveRequest();
    if (!request.archive)
        return;
    QStringList paths;
    for (const ExtractionItem& item : request.items)
        paths << PathOf(request.archive->GetCatalogue(), item);
    QApplication::clipboard()->setText(paths.join(QLatin1Char('\n')));
}

void CMainFrame::SetRecentFiles(const QStringList& paths)
{
    for (std::size_t index = 0; index < kRecentFileCommands.size(); ++index) {
        QAction* action = m_actions.value(kRecentFileCommands[index]);
        const auto position = static_cast<qsizetype>(index);
        if (position < paths.size()) {
            action->setText(RecentFileText(static_cast<int>(index), paths[position]));
            action->setEnabled(true);
            action->setVisible(true);
        } else if (index == 0) {
            action->setText(m_recentFilePlaceholder);
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::OnFileExtract()
{
    // While the Extract dialog is up, the status bar says what it will extract.
    statusBar()->showMessage(m_actions.value(res::ID_FILE_EXTRACT)->statusTip());
    if (m_activeView == m_dirView)
        m_dirView->OnExtract();
    else
        m_filesView->OnExtract();
    statusBar()->clearMessage();
}

void CMainFrame::OnFileSave()
{
    statusBar()->showMessage(res::LoadString(res::IDS_NOTHING_TO_SAVE), 4000);
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

#include "app/frame_commands.h"

#include "app/busy_state.h"
#include "archive/archive_file.h"
#include "archive/name_encoding.h"
#include "res/images.h"
#include "res/main_frame_resources.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/item_facts.h"

#include <QAction>
#include <QCoreApplication>
#include <QActionGroup>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <array>
#include <utility>

namespace vorn {
namespace {

constexpr std::array kRecentFileCommands{res::ID_FILE_MRU_FILE1, res::ID_FILE_MRU_FILE2, res::ID_FILE_MRU_FILE3,
                                         res::ID_FILE_MRU_FILE4};
// The commands that replace the document or start a job.
constexpr std::array kCommandsThatWaitWhileBusy{
    res::ID_FILE_NEW,          res::ID_FILE_OPEN,          res::ID_FILE_CLOSE,         res::ID_FILE_SAVE,
    res::ID_FILE_SAVE_AS,      res::ID_FILE_EXTRACT,       res::ID_FILE_EXTRACT_HERE,  res::ID_FILE_TEST,
    res::ID_FILE_COMPARE,      res::ID_VIEW_NAME_ENCODING, res::ID_FILE_MRU_FILE1,     res::ID_FILE_MRU_FILE2,
    res::ID_FILE_MRU_FILE3,    res::ID_FILE_MRU_FILE4,     res::ID_EDIT_UNDO,          res::ID_EDIT_REDO,
    res::ID_EDIT_REPLACE,      res::ID_EDIT_ADD_FILES,     res::ID_EDIT_ADD_FOLDER,    res::ID_EDIT_NEW_FOLDER,
    res::ID_EDIT_DELETE,       res::ID_EDIT_RENAME,        res::ID_FILE_NEW_FROM_FOLDER};

// The View menu's way to what the list's header does with the mouse.
constexpr std::pair<int, ListColumn> kSortCommands[] = {
    {res::ID_VIEW_SORT_NAME, NameColumn}, {res::ID_VIEW_SORT_SIZE, SizeColumn}, {res::ID_VIEW_SORT_TYPE, TypeColumn}};
constexpr std::pair<int, ListColumn> kColumnCommands[] = {{res::ID_VIEW_COLUMN_BYTES, BytesColumn},
                                                          {res::ID_VIEW_COLUMN_OFFSET, OffsetColumn}};

constexpr QSize kToolBarImageSize(18, 15);

// "&1 /path/to/archive.pck", with the path's own ampersands kept literal.
QString RecentFileText(int index, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

bool ActsOnSomething(const PaneSelection& request)
{
    return request.archive && !request.items.empty();
}

}  // namespace

CFrameCommands::CFrameCommands(QMainWindow& window, QToolBar& toolBar, CBusyState& busy) : QObject(&window)
{
    CreateActions(window, toolBar);
    CreateNameEncodingMenu(window);
    for (int commandId : kCommandsThatWaitWhileBusy)
        busy.WaitsWhileBusy(m_actions.value(commandId));
    CreateMenus(window);
    FillToolBar(toolBar);
    for (int index = 0; index < static_cast<int>(kRecentFileCommands.size()); ++index)
        connect(m_actions.value(kRecentFileCommands[static_cast<std::size_t>(index)]), &QAction::triggered, this,
                [this, index] { emit RecentFileRequested(index); });
}

void CFrameCommands::CreateActions(QMainWindow& window, QToolBar& toolBar)
{
    // The tool bar's own show/hide action keeps its check mark in step with the bar.
    m_actions.insert(res::ID_VIEW_TOOLBAR, toolBar.toggleViewAction());

    const auto commandAction = [this, &window](int commandId) {
        QAction* action = m_actions.value(commandId, nullptr);
        if (!action) {
            action = new QAction(&window);
            m_actions.insert(commandId, action);
        }
        action->setStatusTip(res::StatusPrompt(commandId));
        action->setToolTip(res::ToolTipPrompt(commandId));
        action->setIcon(res::ToolBarIcon(commandId));
        window.addAction(action);  // shortcuts work whether or not the command has a menu item
        return action;
    };
    for (const res::MenuPopup& popup : res::MainMenu())
        for (const res::MenuItem& item : popup.items)
            if (item.commandId != res::kSeparator)
                commandAction(item.commandId)->setText(QCoreApplication::translate("Menus", item.text));
    for (const res::MenuItem& item : res::ItemMenu())
        if (item.text)
            commandAction(item.commandId)->setText(QCoreApplication::translate("Menus", item.text));
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
    m_recentFilePlaceholder = m_actions.value(res::ID_FILE_MRU_FILE1)->text();
}

void CFrameCommands::CreateNameEncodingMenu(QMainWindow& window)
{
    auto* encodings = new QMenu(&window);
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

void CFrameCommands::SetNameEncoding(const QString& encoding)
{
    for (QAction* action : m_nameEncodings->actions())
        action->setChecked(action->data().toString() == encoding);
}

void CFrameCommands::CreateMenus(QMainWindow& window)
{
    for (const res::MenuPopup& popup : res::MainMenu()) {
        QMenu* menu = window.menuBar()->addMenu(QCoreApplication::translate("Menus", popup.text));
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

void CFrameCommands::FillToolBar(QToolBar& toolBar)
{
    toolBar.setIconSize(kToolBarImageSize);
    toolBar.setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar.setAllowedAreas(Qt::AllToolBarAreas);
    for (int commandId : res::MainToolBar()) {
        if (commandId == res::kSeparator)
            toolBar.addSeparator();
        else
            toolBar.addAction(m_actions.value(commandId));
    }
}

void CFrameCommands::ConnectBrowsing(CFilesPane& pane, CFilesView& list)
{
    connect(m_actions.value(res::ID_ITEM_OPEN), &QAction::triggered, &pane, &CFilesPane::OpenSelected);
    connect(m_actions.value(res::ID_EDIT_FIND), &QAction::triggered, &pane, &CFilesPane::FocusFilter);
    connect(m_actions.value(res::ID_GO_BACK), &QAction::triggered, &pane, &CFilesPane::GoBack);
    connect(m_actions.value(res::ID_GO_FORWARD), &QAction::triggered, &pane, &CFilesPane::GoForward);
    connect(m_actions.value(res::ID_GO_UP), &QAction::triggered, &pane, &CFilesPane::GoUp);
    for (const auto& [commandId, column] : kSortCommands)
        connect(m_actions.value(commandId), &QAction::triggered, &list, [&list, column] { list.SortBy(column); });
    for (const auto& [commandId, column] : kColumnCommands) {
        QAction* action = m_actions.value(commandId);
        action->setCheckable(true);
        connect(action, &QAction::triggered, &list,
                [&list, column](bool shown) { list.ShowOptionalColumn(column, shown); });
    }
    // The header's menu and a restored layout show and hide them too.
    const auto markShownColumns = [this, &list] {
        for (const auto& [commandId, column] : kColumnCommands)
            m_actions.value(commandId)->setChecked(!list.isColumnHidden(column));
    };
    connect(&list, &CFilesView::OptionalColumnsChanged, this, markShownColumns);
    markShownColumns();
}

void CFrameCommands::UpdateStates(const PaneSelection& request, bool extractHereAvailable)
{
    // The busy state disables what must wait for a job; these states come back after it.
    const bool something = ActsOnSomething(request);
    QAction* extract = m_actions.value(res::ID_FILE_EXTRACT);
    extract->setEnabled(something);
    extract->setStatusTip(something ? ExtractPrompt(*request.archive, request.items)
                                    : res::StatusPrompt(res::ID_FILE_EXTRACT));
    QAction* here = m_actions.value(res::ID_FILE_EXTRACT_HERE);
    here->setEnabled(something && extractHereAvailable);
    const QString whyNot = res::LoadString(res::IDS_NO_DEFAULT_FOLDER);
    here->setToolTip(extractHereAvailable ? res::ToolTipPrompt(res::ID_FILE_EXTRACT_HERE) : whyNot);
    here->setStatusTip(extractHereAvailable ? res::StatusPrompt(res::ID_FILE_EXTRACT_HERE) : whyNot);
    // With nothing selected, or the archive's own item, Properties is about the whole archive.
    for (int commandId : {res::ID_FILE_PROPERTIES, res::ID_FILE_TEST, res::ID_FILE_COMPARE, res::ID_FILE_CLOSE,
                          res::ID_VIEW_NAME_ENCODING})
        m_actions.value(commandId)->setEnabled(request.archive != nullptr);
    m_actions.value(res::ID_EDIT_COPY_PATH)->setEnabled(something);
}

void CFrameCommands::SetRecentFiles(const QStringList& paths)
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

}  // namespace vorn

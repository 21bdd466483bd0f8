// The main window's menu, accelerators, tool bar and status bar, and where commands go.

#include "app/lock_key_indicators.h"
#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "dialogs/extract_dialog.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/preview_pane.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace vorn;
using namespace vorn::testing;

Q_DECLARE_METATYPE(vorn::PaneSelection)

namespace {

// "text" for an item, "-" for a separator; hidden items are left out.
QStringList MenuItems(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions())
        if (action->isVisible())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

PaneSelection LastRequest(const QSignalSpy& spy)
{
    return spy.constLast().constFirst().value<PaneSelection>();
}

// The Extract command asks for a target first; these tests only follow the
// request, so they cancel the dialog and give the main window back its focus.
void CancelNextExtractDialog(CMainFrame& frame)
{
    WhenModal<CExtractDialog>([&frame](CExtractDialog* dialog) {
        dialog->reject();
        QTimer::singleShot(0, &frame, [&frame] { frame.activateWindow(); });
    });
}

}  // namespace

class TestCommands : public QObject {
    Q_OBJECT

private:
    // The application with an archive open, its window active so that shortcuts reach it.
    std::unique_ptr<StartedApp> StartWithArchive()
    {
        const QString path = WriteArchive(m_archives, QStringLiteral("game.pck"),
                                          {{}, {Folder("DATA", {File("A.BIN", 2000)}, {Folder("SUB", {})})}});
        auto started = StartApp({QStringLiteral("vorn"), path});
        CMainFrame* frame = started->app->MainFrame();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame))
            qFatal("the main window did not become active");
        return started;
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;

private slots:
    void initTestCase()
    {
        m_settings = std::make_unique<SettingsSandbox>();
        qRegisterMetaType<PaneSelection>();
    }
    void init() { m_settings->Clear(); }

    void menusHoldTheirItemsInOrder()
    {
        const auto started = StartApp();
        const QList<QAction*> popups = started->app->MainFrame()->menuBar()->actions();
        QStringList titles;
        for (const QAction* popup : popups)
            titles << popup->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Go", "&Help"}));
        QCOMPARE(MenuItems(*popups[0]->menu()),
                 (QStringList{"&Open...\tCtrl+O", "&New Archive from Folder...", "&Close\tCtrl+W", "&Save\tCtrl+S", "Save &As...\tCtrl+Shift+S", "-",
                              "&Extract...\tCtrl+E", "Extract to &Default Folder",
                              "&Test Archive\tCtrl+T", "Co&mpare With...", "-",
                              "P&roperties\tAlt+Enter", "-", "Recent File", "-", "E&xit"}));
        QCOMPARE(MenuItems(*popups[1]->menu()),
                 (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "-", "Re&place...", "&Add Files...",
                              "Add F&older...", "&New Folder\tCtrl+Shift+N", "Rena&me\tF2", "&Delete\tDel", "-",
                              "&Copy Path\tCtrl+Shift+C", "-", "&Find\tCtrl+F"}));
        QCOMPARE(MenuItems(*popups[2]->menu()),
                 (QStringList{"&Toolbar", "&Status Bar", "&Preview\tF3", "Name &Encoding", "-", "Sort by &Name",
                              "Sort by Si&ze", "Sort by T&ype", "-", "Size in &Bytes", "O&ffset", "-", "&Options..."}));
        QCOMPARE(MenuItems(*popups[3]->menu()),
                 (QStringList{"&Back\tAlt+Left", "&Forward\tAlt+Right", "&Up One Level\tAlt+Up"}));
        QCOMPARE(MenuItems(*popups[4]->menu()), QStringList{QStringLiteral("&About Vorn...")});

        // Every shortcut a menu shows is the item's own; the others are bound as well.
        CMainFrame& frame = *started->app->MainFrame();
        for (const QAction* popup : popups)
            for (const QAction* action : popup->menu()->actions())
                if (action->text().contains(QLatin1Char('\t')))
                    QVERIFY(action->shortcuts().contains(QKeySequence(action->text().section(QLatin1Char('\t'), 1))));
        const std::pair<int, const char*> accelerators[] = {
            {res::ID_FILE_NEW, "Ctrl+N"}, {res::ID_FILE_SAVE, "Ctrl+S"},
            {res::ID_NEXT_PANE, "F6"},    {res::ID_PREV_PANE, "Shift+F6"},
        };
        for (const auto& [command, keys] : accelerators)
            QCOMPARE(frame.CommandAction(command)->shortcut(), QKeySequence(QString::fromLatin1(keys)));
    }

    void toolBarAndStatusBarShowThePrompts()
    {
        const auto started = StartApp();
        CMainFrame& frame = *started->app->MainFrame();
        QStringList buttons;
        for (const QAction* action : frame.ToolBar()->actions())
            buttons << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        QCOMPARE(buttons,
                 (QStringList{"Open (Ctrl+O)", "-", "Extract (Ctrl+E)", "Test Archive (Ctrl+T)", "-", "About"}));
        QCOMPARE(frame.toolBarArea(frame.ToolBar()), Qt::TopToolBarArea);
        QCOMPARE(frame.CommandAction(res::ID_FILE_OPEN)->statusTip(), QStringLiteral("Open DIR or PCK file"));
        QCOMPARE(frame.CommandAction(res::ID_FILE_EXTRACT)->statusTip(),
                 QStringLiteral("Extract files or a directory"));
        QCOMPARE(frame.CommandAction(res::ID_VIEW_OPTIONS)->statusTip(), QStringLiteral("Show the options dialog"));

        // Pointing at a command shows its prompt over "Ready"; leaving it shows "Ready" again.
        QLabel* ready = frame.statusBar()->findChild<QLabel*>();
        QCOMPARE(ready->text(), QStringLiteral("Ready"));
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(ready->isVisible());
        frame.CommandAction(res::ID_FILE_EXTRACT)->showStatusText(&frame);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Extract files or a directory"));
        QVERIFY(!ready->isVisible());
        frame.statusBar()->clearMessage();
        QVERIFY(ready->isVisible());
    }

    void viewMenuTogglesTheBars()
    {
        const auto started = StartApp();
        CMainFrame& frame = *started->app->MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QAction* toolBar = frame.CommandAction(res::ID_VIEW_TOOLBAR);
        QAction* statusBar = frame.CommandAction(res::ID_VIEW_STATUS_BAR);
        QVERIFY(toolBar->isChecked() && statusBar->isChecked());
        toolBar->trigger();
        statusBar->trigger();
        QVERIFY(!frame.ToolBar()->isVisible() && !toolBar->isChecked());
        QVERIFY(!frame.statusBar()->isVisible() && !statusBar->isChecked());
        toolBar->trigger();
        statusBar->trigger();
        QVERIFY(frame.ToolBar()->isVisible() && toolBar->isChecked());
        QVERIFY(frame.statusBar()->isVisible() && statusBar->isChecked());
    }

    void paneLayoutAtStart()
    {
        const auto started = StartApp();
        CMainFrame& frame = *started->app->MainFrame();
        for (int width : {500, 1100}) {
            const auto other = StartApp();
            other->app->MainFrame()->resize(width, 400);
            QVERIFY(QTest::qWaitForWindowExposed(other->app->MainFrame()));
            QCOMPARE(other->app->MainFrame()->Splitter()->sizes().constFirst(), CMainFrame::kTreeWidth);
        }
        QCOMPARE(frame.Splitter()->widget(0), frame.DirView());
        QCOMPARE(frame.FilesPane()->parentWidget(), frame.Splitter()->widget(1));
        QCOMPARE(frame.PreviewPane()->parentWidget(), frame.Splitter()->widget(1));
        QCOMPARE(frame.GetActiveView(), frame.FilesView());
    }

    void extractGoesToTheActivePane()
    {
        const auto started = StartWithArchive();
        CMainFrame& frame = *started->app->MainFrame();
        CDirView& tree = *frame.DirView();
        CFilesView& list = *frame.FilesView();
        QSignalSpy requests(&frame, &CMainFrame::ExtractRequested);
        const CDirNode& data = *started->app->Document()->GetArchive()->GetRoot();
        tree.SelectFolder(&data);
        list.selectionModel()->select(list.model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

        // Ctrl+E with the list active (as at start): the list's selected rows.
        CancelNextExtractDialog(frame);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(requests.size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QCOMPARE(LastRequest(requests).pane, PaneSelection::Pane::List);
        QCOMPARE(LastRequest(requests).archive.get(), started->app->Document()->GetArchive());
        QCOMPARE(LastRequest(requests).items.size(), std::size_t{1});
        QCOMPARE(LastRequest(requests).items[0].kind, ExtractionItem::Kind::File);

        // F6: the tree is active; the menu command reaches it, with its selected folder.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(frame.GetActiveView(), &tree);
        QCOMPARE(QApplication::focusWidget(), &tree);
        // Only the active pane's selection has the highlight colour.
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        QCOMPARE(tree.palette().color(QPalette::Active, QPalette::Highlight), highlight);
        QVERIFY(list.palette().color(QPalette::Active, QPalette::Highlight) != highlight);
        CancelNextExtractDialog(frame);
        frame.CommandAction(res::ID_FILE_EXTRACT)->trigger();
        QCOMPARE(LastRequest(requests).pane, PaneSelection::Pane::Tree);
        QCOMPARE(LastRequest(requests).items[0].folder, &data);
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        // The archive item asks for the whole top level under its label.
        tree.setCurrentIndex(tree.model()->index(0, 0));
        CancelNextExtractDialog(frame);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(LastRequest(requests).items[0].kind, ExtractionItem::Kind::TopLevel);
        QCOMPARE(LastRequest(requests).items[0].folderName, std::string("GAME.PCK"));
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        // Shift+F6 back to the list; a click into the tree activates the tree again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(frame.GetActiveView(), &list);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(tree.model()->index(0, 0)).center());
        QCOMPARE(frame.GetActiveView(), &tree);
        QCOMPARE(requests.size(), 3);
    }

    void saveLeavesTheArchiveAlone()
    {
        const auto started = StartWithArchive();
        const QString path = QString::fromStdString(started->app->Document()->GetArchive()->GetPathName());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const QDateTime modified = QFileInfo(path).lastModified();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(started->app->Document()->GetArchive()->IsOpen());
        QCOMPARE(started->app->MainFrame()->statusBar()->currentMessage(),
                 QStringLiteral("No changes are pending: there is nothing to save."));
    }

    void newEmptiesTheDocument()
    {
        const auto started = StartWithArchive();
        CMainFrame& frame = *started->app->MainFrame();
        const QString path = QString::fromStdString(started->app->Document()->GetArchive()->GetPathName());
        frame.DirView()->setCurrentIndex(frame.DirView()->model()->index(0, 0));
        QVERIFY(frame.FilesView()->model()->rowCount() > 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!started->app->Document()->GetArchive());
        QCOMPARE(frame.DirView()->model()->rowCount(), 0);
        QCOMPARE(frame.FilesView()->model()->rowCount(), 0);
        QCOMPARE(OpenDescriptorsOf(path), 0);
        QCOMPARE(frame.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Vorn v2.0"));
    }

    void openAsksForAFile()
    {
        const auto started = StartWithArchive();
        const QString other = WriteArchive(m_archives, QStringLiteral("second.dir"), {{}, {Folder("X", {})}});
        QString chosen;
        started->app->SetOpenFileChooser([&chosen](QWidget*) { return chosen; });
        CMainFrame& frame = *started->app->MainFrame();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);  // cancelled
        QCOMPARE(started->app->Document()->GetArchive()->GetFileName(), std::string("game.pck"));
        chosen = other;
        frame.CommandAction(res::ID_FILE_OPEN)->trigger();
        QCOMPARE(started->app->Document()->GetArchive()->GetFileName(), std::string("second.dir"));
        QCOMPARE(frame.DirView()->model()->index(0, 0).data().toString(), QStringLiteral("SECOND.DIR"));
        QCOMPARE(started->app->RecentFiles().Paths().constFirst(), other);
        QCOMPARE(frame.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Vorn v2.0"));
    }

    void lockKeysComeFromX11KeyEvents()
    {
        const auto keyEvent = [](int key, quint32 nativeModifiers) {
            return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, nativeModifiers);
        };
        const QString xcb = QStringLiteral("xcb");
        const auto caps = LockKeyStateOf(keyEvent(Qt::Key_A, 0x02), xcb);
        QVERIFY(caps && caps->caps && !caps->num && !caps->scroll);
        const auto num = LockKeyStateOf(keyEvent(Qt::Key_A, 0x10 | 0x01), xcb);
        QVERIFY(num && !num->caps && num->num);
        // A lock key's own event tells the state before it toggles; other platforms tell nothing.
        QVERIFY(!LockKeyStateOf(keyEvent(Qt::Key_CapsLock, 0x02), xcb));
        QVERIFY(!LockKeyStateOf(keyEvent(Qt::Key_A, 0x02), QStringLiteral("offscreen")));
    }

    void exitClosesTheWindow()
    {
        const auto started = StartApp();
        started->app->MainFrame()->CommandAction(res::ID_APP_EXIT)->trigger();
        QVERIFY(!started->app->MainFrame()->isVisible());
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"

// Browsing the file list: sorting, the filter, the whole-archive search and
// the navigation keys, on the real widgets.

#include "app/extract_command.h"
#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "archive/archive_file.h"
#include "dialogs/properties_dialog.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/preview_pane.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDirIterator>
#include <QMimeData>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

using namespace vorn;
using namespace vorn::testing;

namespace {

QStringList Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList SelectedNames(const CFilesView& list)
{
    QStringList names;
    for (const QModelIndex& row : list.selectionModel()->selectedRows())
        names << row.data().toString();
    return names;
}

void ClickHeader(CFilesView& list, int column)
{
    QHeaderView* header = list.horizontalHeader();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

// The status bar's panes after the message pane, as they read, visible or not.
QStringList SummaryPanes(CMainFrame& frame)
{
    QStringList texts;
    for (const QLabel* pane : frame.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).mid(1, 2))
        texts << (pane->isVisible() ? pane->text() : QString());
    return texts;
}

void SelectRows(CFilesView& list, std::initializer_list<int> rows)
{
    list.clearSelection();
    for (const int row : rows)
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class TestBrowse : public QObject {
    Q_OBJECT

private:
    // R holds three folders and four files, none of them in natural order;
    // the folder b holds one more file whose name has "map" in it.
    std::unique_ptr<StartedApp> Start()
    {
        const WriterTree tree{
            {},
            {Folder("R",
                    {File("MAP10.BIN", 2048), File("map2.bin", 10), File("Map1.bin", 3000), File("z.txt", 10)},
                    {Folder("f10", {File("X", 1)}), Folder("F2", {}),
                     Folder("b", {File("bmap.dat", 4)}, {Folder("deep", {})})})}};
        auto started = StartApp({QStringLiteral("vorn"), WriteArchive(m_archives, QStringLiteral("game.pck"), tree)});
        CMainFrame& frame = *started->app->MainFrame();
        frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&frame))
            qFatal("the main window did not become active");
        frame.DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot());
        return started;
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }

    void headerClicksSortNaturallyWithFoldersFirst()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        const QStringList catalogueOrder{"f10", "F2", "b", "MAP10.BIN", "map2.bin", "Map1.bin", "z.txt"};
        QCOMPARE(Column(*list.model(), NameColumn), catalogueOrder);

        const struct {
            int column;
            QStringList names;
            bool indicator;
        } clicks[] = {
            {NameColumn, {"b", "F2", "f10", "Map1.bin", "map2.bin", "MAP10.BIN", "z.txt"}, true},
            {NameColumn, {"f10", "F2", "b", "z.txt", "MAP10.BIN", "map2.bin", "Map1.bin"}, true},
            {NameColumn, catalogueOrder, false},
            {SizeColumn, {"b", "F2", "f10", "map2.bin", "z.txt", "MAP10.BIN", "Map1.bin"}, true},
            {TypeColumn, {"b", "F2", "f10", "Map1.bin", "map2.bin", "MAP10.BIN", "z.txt"}, true},
        };
        for (const auto& click : clicks) {
            ClickHeader(list, click.column);
            QCOMPARE(Column(*list.model(), NameColumn), click.names);
            QCOMPARE(list.horizontalHeader()->sortIndicatorSection(), click.indicator ? click.column : -1);
        }

        // The order stays when another folder is shown, and the selection stays with its rows.
        list.selectRow(3);  // Map1.bin
        ClickHeader(list, TypeColumn);
        QCOMPARE(SelectedNames(list), QStringList{QStringLiteral("Map1.bin")});
        QCOMPARE(list.currentIndex().row(), 6);
        frame.DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot()->m_children[2].get());
        QCOMPARE(Column(*list.model(), NameColumn), (QStringList{"deep", "bmap.dat"}));
        QCOMPARE(list.Sort(), (ListSort{TypeColumn, true}));

        // Without a mouse, the View menu sorts as the header does.
        for (const ListSort& expected : {ListSort{SizeColumn, false}, ListSort{SizeColumn, true}, ListSort{}}) {
            frame.CommandAction(res::ID_VIEW_SORT_SIZE)->trigger();
            QCOMPARE(list.Sort(), expected);
        }
    }

    void filterKeepsMatchingRows()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        QLineEdit& filter = *frame.FilesPane()->FilterBox();

        // Ctrl+F goes to the box; the list follows every key.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), &filter);
        const std::pair<const char*, QStringList> filters[] = {
            {"map", {"MAP10.BIN", "map2.bin", "Map1.bin"}},
            {"F", {"f10", "F2"}},
            {"m?p1*", {"MAP10.BIN", "Map1.bin"}},
            {"*.bin", {"MAP10.BIN", "map2.bin", "Map1.bin"}},
            {"a*2", {"map2.bin"}},
            {"nothing", {}},
        };
        for (const auto& [text, names] : filters) {
            filter.clear();
            QTest::keyClicks(&filter, QString::fromLatin1(text));
            QCOMPARE(Column(*list.model(), NameColumn), names);
        }

        // Extract takes the filtered rows the user selects, as their own catalogue items.
        filter.setText(QStringLiteral("map"));
        list.selectRow(2);
        const std::vector<ExtractionItem> selected = list.SelectedItems();
        QCOMPARE(selected.size(), std::size_t{1});
        QCOMPARE(started->app->Document()->GetArchive()->Entries()[selected[0].entry].m_name, std::string("Map1.bin"));

        // Esc clears the box, then leaves it.
        QTest::keyClick(&filter, Qt::Key_Escape);
        QVERIFY(filter.text().isEmpty());
        QCOMPARE(list.model()->rowCount(), 7);
        QCOMPARE(SelectedNames(list), QStringList{QStringLiteral("Map1.bin")});
        QTest::keyClick(&filter, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), &list);
    }

    void wholeArchiveSearchFindsAndReveals()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        CFilesPane& pane = *frame.FilesPane();
        ClickHeader(list, NameColumn);
        pane.WholeArchiveSwitch()->setChecked(true);
        QTest::keyClicks(pane.FilterBox(), QStringLiteral("MAP"));
        QTRY_COMPARE(Column(*list.model(), NameColumn), (QStringList{"bmap.dat", "Map1.bin", "map2.bin", "MAP10.BIN"}));
        QVERIFY(!list.isColumnHidden(FolderColumn));
        QCOMPARE(Column(*list.model(), FolderColumn), (QStringList{"R\\b", "R", "R", "R"}));
        QTest::keyClicks(pane.FilterBox(), QStringLiteral("1"));
        QTRY_COMPARE(Column(*list.model(), NameColumn), (QStringList{"Map1.bin", "MAP10.BIN"}));
        pane.FilterBox()->clear();
        QTRY_COMPARE(list.model()->rowCount(), 11);  // everything: 5 folders, 6 files

        // Enter on a result opens its folder with the row selected; the search ends.
        pane.FilterBox()->setText(QStringLiteral("bmap"));
        QTRY_COMPARE(list.model()->rowCount(), 1);
        list.setFocus();
        list.setCurrentIndex(list.model()->index(0, NameColumn));
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(frame.DirView()->currentIndex().data().toString(), QStringLiteral("b"));
        QCOMPARE(Column(*list.model(), NameColumn), (QStringList{"deep", "bmap.dat"}));
        QCOMPARE(SelectedNames(list), QStringList{QStringLiteral("bmap.dat")});
        QVERIFY(pane.FilterBox()->text().isEmpty());
        QVERIFY(!pane.WholeArchiveSwitch()->isChecked());
        QVERIFY(list.isColumnHidden(FolderColumn));
    }

    void keysNavigateFolders()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CDirView& tree = *frame.DirView();
        CFilesView& list = *frame.FilesView();
        list.setFocus();
        const auto press = [&list](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(&list, key, modifiers);
        };
        const auto shown = [&tree] { return tree.currentIndex().data().toString(); };

        // Home and End, with Ctrl or without, go to the first or last row and select it.
        for (const auto& [pressed, modifiers, row] : {std::tuple{Qt::Key_End, Qt::NoModifier, 6},
                                                      std::tuple{Qt::Key_Home, Qt::NoModifier, 0},
                                                      std::tuple{Qt::Key_End, Qt::ControlModifier, 6},
                                                      std::tuple{Qt::Key_Home, Qt::ControlModifier, 0}}) {
            press(pressed, modifiers);
            QCOMPARE(list.currentIndex().row(), row);
            QCOMPARE(list.selectionModel()->selectedRows().size(), 1);
        }

        // Enter opens a folder row; the tree follows and shows it expanded.
        list.setCurrentIndex(list.model()->index(2, NameColumn));  // b
        press(Qt::Key_Return);
        QCOMPARE(shown(), QStringLiteral("b"));
        QVERIFY(tree.isExpanded(tree.currentIndex()));
        QCOMPARE(list.verticalScrollBar()->value(), 0);
        press(Qt::Key_Home);
        press(Qt::Key_Return);  // deep
        QCOMPARE(shown(), QStringLiteral("deep"));

        // Backspace and Alt+Up go up, with the folder left behind selected.
        press(Qt::Key_Backspace);
        QCOMPARE(shown(), QStringLiteral("b"));
        QCOMPARE(SelectedNames(list), QStringList{QStringLiteral("deep")});
        QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(shown(), QStringLiteral("R"));
        QCOMPARE(SelectedNames(list), QStringList{QStringLiteral("b")});

        // Alt+Left and Alt+Right walk the folders visited: R, b, deep, b, R.
        for (const auto& [pressed, expected] : {std::pair{Qt::Key_Left, "b"}, std::pair{Qt::Key_Left, "deep"},
                                                std::pair{Qt::Key_Right, "b"}, std::pair{Qt::Key_Right, "R"},
                                                std::pair{Qt::Key_Right, "R"}}) {
            QTest::keyClick(&list, pressed, Qt::AltModifier);
            QCOMPARE(shown(), QString::fromLatin1(expected));
        }
        // A file row goes to the desktop, not to the tree; the top level has no parent.
        DesktopCatcher desktop;
        list.setCurrentIndex(list.model()->index(3, NameColumn));
        press(Qt::Key_Return);
        QTRY_COMPARE(desktop.opened.size(), 1);
        QCOMPARE(shown(), QStringLiteral("R"));
        press(Qt::Key_Backspace);
        press(Qt::Key_Backspace);
        QCOMPARE(shown(), QStringLiteral("GAME.PCK"));
    }

    void statusBarAndCommandsFollowTheSelection()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        QAction& extract = *frame.CommandAction(res::ID_FILE_EXTRACT);
        QCOMPARE(SummaryPanes(frame), (QStringList{"3 folders, 4 files, 4.9 KiB", ""}));
        QVERIFY(!extract.isEnabled());  // the list is active and nothing is selected

        const struct {
            std::initializer_list<int> rows;
            const char* selection;
            const char* prompt;
        } selections[] = {
            {{2, 5}, "2 selected, 2.9 KiB", "Extract 1 file and 1 folder"},
            {{2}, "1 selected, 4 bytes", "Extract folder R\\b"},
            {{3, 4, 6}, "3 selected, 2.0 KiB", "Extract 3 files"},
        };
        for (const auto& selection : selections) {
            SelectRows(list, selection.rows);
            QCOMPARE(SummaryPanes(frame)[1], QString::fromUtf8(selection.selection));
            QVERIFY(extract.isEnabled());
            QCOMPARE(extract.statusTip(), QString::fromUtf8(selection.prompt));
        }
        // Assistive technology reads each pane's text, not what the pane is.
        for (QLabel* pane : frame.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).mid(0, 3))
            QCOMPARE(QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name), pane->text());
        // The filter keeps the selection of the rows it keeps.
        frame.FilesPane()->FilterBox()->setText(QStringLiteral("z.t"));
        QCOMPARE(SummaryPanes(frame), (QStringList{"0 folders, 1 file, 10 bytes", "1 selected, 10 bytes"}));
        QCOMPARE(extract.statusTip(), QStringLiteral("Extract file R\\z.txt"));
        frame.FilesPane()->FilterBox()->setText(QStringLiteral("nothing"));
        QVERIFY(!extract.isEnabled());

        // The tree's selection counts while the tree is the active pane.
        frame.SetActiveView(frame.DirView());
        QVERIFY(extract.isEnabled());
        QCOMPARE(extract.statusTip(), QStringLiteral("Extract folder R"));

        // A run's outcome stands in the message pane until the list changes.
        frame.ShowRunOutcome(QStringLiteral("1 file extracted"));
        QCOMPARE(frame.StatusMessage(), QStringLiteral("1 file extracted"));
        frame.FilesPane()->FilterBox()->clear();
        QCOMPARE(frame.StatusMessage(), QStringLiteral("Ready"));

        // An archive of neither kind opens empty and says why; New takes that back.
        const QString text = WriteArchive(m_archives, QStringLiteral("notes.txt"), {{File("A", 1)}, {}});
        QVERIFY(started->app->OpenDocumentFile(text));
        QCOMPARE(frame.StatusMessage(), QStringLiteral("No DIR or PCK extension: nothing to show"));
        QVERIFY(!extract.isEnabled());
        frame.CommandAction(res::ID_FILE_NEW)->trigger();
        QCOMPARE(frame.StatusMessage(), QStringLiteral("Ready"));
    }

    void draggedRowsAreHandedOverAsWholeFiles()
    {
        auto started = Start();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        QWidget* source = nullptr;
        QStringList urls;
        QStringList files;  // below the private folder, with their sizes, as the drag starts
        started->app->SetDragHandOver([&](QWidget* from, std::unique_ptr<QMimeData> data) {
            source = from;
            const QDir temporary(started->app->PrivateTemp().Path());
            for (const QUrl& url : data->urls())
                urls << temporary.relativeFilePath(url.toLocalFile());
            QDirIterator written(temporary.path(), QDir::Files, QDirIterator::Subdirectories);
            while (written.hasNext()) {
                const QFileInfo file(written.next());
                files << QStringLiteral("%1 %2").arg(temporary.relativeFilePath(file.filePath())).arg(file.size());
            }
        });

        SelectRows(list, {2, 3});  // the folder b and MAP10.BIN
        const QPoint grip = list.visualRect(list.model()->index(3, NameColumn)).center();
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, grip);
        // The first move makes it a drag, the next one far enough starts it.
        QTest::mouseMove(list.viewport(), grip + QPoint(0, 1));
        QTest::mouseMove(list.viewport(), grip + QPoint(0, 3 * QApplication::startDragDistance()));
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, grip);
        QVERIFY(WaitUntilIdle(*started));
        QCOMPARE(source, &list);
        QCOMPARE(urls, (QStringList{"1/MAP10.BIN", "1/b"}));
        files.sort();
        QCOMPARE(files, (QStringList{"1/MAP10.BIN 2048", "1/b/bmap.dat 4"}));

        // The private folder is the user's alone and goes at exit.
        const QString temporary = started->app->PrivateTemp().Path();
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                QFileDevice::ReadOther | QFileDevice::ExeOther;
        QVERIFY(!(QFileInfo(temporary).permissions() & others));
        started.reset();
        QVERIFY(!QFileInfo::exists(temporary));
    }

    void tabGoesThroughNamedControlsInOrder()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesPane& pane = *frame.FilesPane();
        frame.CommandAction(res::ID_VIEW_PREVIEW)->trigger();
        QWidget* expected[] = {frame.DirView(), pane.FilterBox(), pane.WholeArchiveSwitch(), frame.FilesView(),
                               frame.PreviewPane()->HexSwitch()};
        frame.DirView()->setFocus();
        for (QWidget* widget : expected) {
            QCOMPARE(QApplication::focusWidget(), widget);
            QTest::keyClick(widget, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), frame.DirView());
        for (const QWidget* widget : frame.findChildren<QWidget*>())
            if (widget->focusPolicy() & Qt::TabFocus) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
                QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), widget->metaObject()->className());
            }
    }

    void runOutcomesCountWithSeparators()
    {
        ExtractionResult cancelled;
        cancelled.cancelled = true;
        cancelled.filesWritten = 517;
        cancelled.filesPlanned = 1234;
        ExtractionResult failed;
        failed.filesWritten = 1;
        failed.failures.assign(3, Failure{FailureKind::WriteFailed, "A"});
        failed.failures.push_back({FailureKind::KeptExisting, "B"});  // a warning, no failure
        ExtractionResult done;
        done.filesWritten = 1234;
        ExtractionResult one;
        one.filesWritten = 1;
        QCOMPARE(OutcomeText(cancelled), QStringLiteral("Cancelled after 517 of 1,234 files"));
        QCOMPARE(OutcomeText(failed), QStringLiteral("3 failures — see the report"));
        QCOMPARE(OutcomeText(done), QStringLiteral("1,234 files extracted"));
        QCOMPARE(OutcomeText(one), QStringLiteral("1 file extracted"));
    }

    void contextMenuPropertiesAndCopyPath()
    {
        const auto started = Start();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        ClickHeader(list, NameColumn);
        list.selectRow(3);  // Map1.bin

        // Alt+Enter: the file's path, exact size and offset.
        QStringList facts;
        WhenModal<CPropertiesDialog>([&facts](CPropertiesDialog* dialog) {
            const auto* form = dialog->findChild<QFormLayout*>();
            for (int row = 0; row < form->rowCount(); ++row)
                facts << static_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text() + " " +
                             static_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget())->text();
            dialog->reject();
        });
        QTest::keyClick(&list, Qt::Key_Return, Qt::AltModifier);
        const std::uint32_t offset = started->app->Document()->GetArchive()->Entries()[
            list.SelectedItems().front().entry].m_offset;
        QCOMPARE(facts, (QStringList{"Path: R\\Map1.bin", "Size: 2.9 KiB (3,000 bytes)",
                                     "Offset: " + QLocale(QLocale::English).toString(offset)}));
        QCOMPARE(list.model()->index(3, NameColumn).data(Qt::ToolTipRole).toString(),
                 "Size: 3,000 bytes\nOffset: " + QLocale(QLocale::English).toString(offset));

        // A right click on a row: the commands for it, Open for a folder, Open and Preview for a file.
        const auto menuAt = [&list](int row) {
            QStringList entries;
            QTimer::singleShot(0, [&entries] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                for (const QAction* action : menu->actions())
                    entries << (action->isSeparator() ? QStringLiteral("-") : action->text().section('\t', 0, 0));
                menu->close();
            });
            const QPoint point = list.visualRect(list.model()->index(row, 0)).center();
            QTest::mouseClick(list.viewport(), Qt::RightButton, {}, point);
            emit list.customContextMenuRequested(point);
            return entries;
        };
        const QStringList edits{"-", "Re&place...", "Rena&me", "&Delete", "-", "P&roperties"};
        QCOMPARE(menuAt(0), (QStringList{"&Extract...", "Extract to &Default Folder", "-", "&Open", "-", "&Copy Path"} + edits));
        QCOMPARE(menuAt(4), (QStringList{"&Extract...", "Extract to &Default Folder", "-", "&Open", "&Preview", "-",
                                         "&Copy Path"} + edits));

        // Copy Path: each selected row's path in the archive, a line each.
        SelectRows(list, {0, 4});
        frame.CommandAction(res::ID_EDIT_COPY_PATH)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("R\\b\nR\\map2.bin"));
        QCOMPARE(frame.CommandAction(res::ID_ITEM_OPEN)->isEnabled(), true);
        SelectRows(list, {0});
        frame.CommandAction(res::ID_ITEM_OPEN)->trigger();
        QCOMPARE(frame.DirView()->currentIndex().data().toString(), QStringLiteral("b"));
    }
};

QTEST_MAIN(TestBrowse)
#include "test_browse.moc"

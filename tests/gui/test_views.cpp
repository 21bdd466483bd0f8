// The folder tree and the file list: what they show, and how they follow each other.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "res/images.h"
#include "res/resource_ids.h"
#include "tests/core/catalogue_test_helpers.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_view.h"

#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QStyle>
#include <QTest>

using namespace vorn;
using namespace vorn::testing;

namespace {

QStringList Column(const QAbstractItemModel& model, int column, const QModelIndex& parent = {})
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(parent); ++row)
        texts << model.index(row, column, parent).data().toString();
    return texts;
}

QStringList Children(const QAbstractItemModel& model, const QModelIndex& parent)
{
    return Column(model, 0, parent);
}

QModelIndex Child(const QAbstractItemModel& model, const QModelIndex& parent, const QString& label)
{
    for (int row = 0; row < model.rowCount(parent); ++row)
        if (model.index(row, 0, parent).data().toString() == label)
            return model.index(row, 0, parent);
    return {};
}

QStringList Headers(const QAbstractItemModel& model, std::initializer_list<ListColumn> columns)
{
    QStringList texts;
    for (const ListColumn column : columns)
        texts << model.headerData(column, Qt::Horizontal).toString();
    return texts;
}

QImage IconImage(const QModelIndex& index, QIcon::Mode mode)
{
    return index.data(Qt::DecorationRole).value<QIcon>().pixmap(QSize(16, 16), mode).toImage();
}

}  // namespace

class TestViews : public QObject {
    Q_OBJECT

private:
    // data.dir: root R (SOUNDS, then SOUND, then EMPTY; SOUND holds DEEP and files
    // of every size boundary), a second top-level folder R2, and a file outside
    // every folder.
    QString SampleArchive()
    {
        WriterTree tree;
        tree.files = {File("LOOSE.TXT", 3)};
        tree.folders = {
            Folder("R", {File("TOP.BIN", 1)},
                   {Folder("SOUNDS", {File("S1.WAV", 5)}),
                    Folder("SOUND",
                           {File("Z0", 0), File("Z1023", 1023), File("A1024", 1024), File("B1025", 1025),
                            File("C2047", 2047), File("D2048", 2048), File("a_rather_long_file_name.wav", 1048576)},
                           {Folder("DEEP", {File("D.BIN", 1)})}),
                    Folder("EMPTY", {})}),
            Folder("R2", {File("OTHER.BIN", 2)}),
        };
        return WriteArchive(m_archives, QStringLiteral("data.dir"), tree);
    }

    void Select(CDirView& tree, const QModelIndex& index) { tree.setCurrentIndex(index); }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }

    void treeShowsArchiveItemAndFoldersInCatalogueOrder()
    {
        const auto started = StartApp({QStringLiteral("vorn"), SampleArchive()});
        CDirView& tree = *started->app->MainFrame()->DirView();
        const QAbstractItemModel& model = *tree.model();
        QCOMPARE(Children(model, {}), QStringList{QStringLiteral("DATA.DIR")});
        const QModelIndex archiveItem = model.index(0, 0);
        QVERIFY(tree.isExpanded(archiveItem));
        QCOMPARE(Children(model, archiveItem), (QStringList{QStringLiteral("R"), QStringLiteral("R2")}));
        const QModelIndex root = model.index(0, 0, archiveItem);
        QVERIFY(!tree.isExpanded(root));
        QCOMPARE(Children(model, root),
                 (QStringList{QStringLiteral("SOUNDS"), QStringLiteral("SOUND"), QStringLiteral("EMPTY")}));
        const QModelIndex sound = Child(model, root, QStringLiteral("SOUND"));
        QCOMPARE(Children(model, sound), QStringList{QStringLiteral("DEEP")});
        QVERIFY(!model.hasChildren(Child(model, root, QStringLiteral("EMPTY"))));
        // Opened, the archive item is selected and the list shows the top level.
        QCOMPARE(tree.selectionModel()->selectedIndexes(), QModelIndexList{archiveItem});
        QCOMPARE(Column(*started->app->MainFrame()->FilesView()->model(), 0),
                 (QStringList{QStringLiteral("R"), QStringLiteral("R2"), QStringLiteral("LOOSE.TXT")}));

        // Folders: closed, open while selected. The archive item: the page either way.
        const QImage closed = res::LoadBitmap(res::IDB_FOLDER_CLOSED).toImage();
        const QImage open = res::LoadBitmap(res::IDB_FOLDER_OPEN).toImage();
        QVERIFY(closed != open);
        QCOMPARE(IconImage(sound, QIcon::Normal), closed);
        QCOMPARE(IconImage(sound, QIcon::Selected), open);
        QCOMPARE(IconImage(archiveItem, QIcon::Normal), res::LoadBitmap(res::IDB_ARCHIVE).toImage());
        QCOMPARE(IconImage(archiveItem, QIcon::Selected), res::LoadBitmap(res::IDB_ARCHIVE_SEL).toImage());
    }

    void selectingAFolderListsExactlyThatFolder()
    {
        const auto started = StartApp({QStringLiteral("vorn"), SampleArchive()});
        CDirView& tree = *started->app->MainFrame()->DirView();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        const QAbstractItemModel& files = *list.model();
        const QModelIndex root = tree.model()->index(0, 0, tree.model()->index(0, 0));

        // SOUND: its sub-folder first, then its files; SOUNDS' file does not join in.
        Select(tree, Child(*tree.model(), root, QStringLiteral("SOUND")));
        QCOMPARE(Column(files, 0), (QStringList{"DEEP", "Z0", "Z1023", "A1024", "B1025", "C2047", "D2048",
                                                "a_rather_long_file_name.wav"}));
        QCOMPARE(Column(files, 1), (QStringList{"", "0KB", "1KB", "1KB", "1KB", "1KB", "2KB", "1,024KB"}));
        QCOMPARE(Column(files, 2), (QStringList{"File Folder", "", "", "", "", "", "", ""}));
        QCOMPARE(SizeText(4294967295u, QStringLiteral("KB")), QStringLiteral("4,194,303KB"));
        QCOMPARE(files.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(files.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
        QCOMPARE(files.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Type"));
        QCOMPARE(Qt::Alignment(files.index(1, 1).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(list.horizontalHeader()->sectionSize(1), 60);
        QCOMPARE(list.horizontalHeader()->sectionSize(2), 100);
        const int longest = list.fontMetrics().horizontalAdvance(QStringLiteral("a_rather_long_file_name.wav"));
        QVERIFY(list.horizontalHeader()->sectionSize(0) > longest);

        Select(tree, Child(*tree.model(), root, QStringLiteral("SOUNDS")));
        QCOMPARE(Column(files, 0), QStringList{QStringLiteral("S1.WAV")});
        Select(tree, Child(*tree.model(), root, QStringLiteral("EMPTY")));
        QCOMPARE(files.rowCount(), 0);
        QVERIFY(list.horizontalHeader()->sectionSize(0) > 0);

        // The archive item shows the top level: its folders, then the loose file.
        Select(tree, tree.model()->index(0, 0));
        QCOMPARE(Column(files, 0), (QStringList{"R", "R2", "LOOSE.TXT"}));
    }

    void listSelectionTellsFoldersAndFilesInRowOrder()
    {
        const auto started = StartApp({QStringLiteral("vorn"), SampleArchive()});
        CDirView& tree = *started->app->MainFrame()->DirView();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
        Select(tree, tree.model()->index(0, 0, tree.model()->index(0, 0)));  // R: 3 folders, then TOP.BIN
        for (int row : {3, 1, 0})
            list.selectionModel()->select(list.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        const std::vector<ExtractionItem> items = list.SelectedItems();
        QCOMPARE(items.size(), std::size_t{3});
        const CArchiveFile& archive = *started->app->Document()->GetArchive();
        const CDirNode& root = *archive.GetRoot();
        QCOMPARE(items[0].kind, ExtractionItem::Kind::Folder);
        QCOMPARE(items[0].folder, root.m_children[0].get());
        QCOMPARE(items[1].folder, root.m_children[1].get());
        QCOMPARE(items[2].kind, ExtractionItem::Kind::File);
        QCOMPARE(archive.Entries()[items[2].entry].m_name, std::string("TOP.BIN"));

        // The selection stays when the list loses the focus.
        tree.setFocus();
        QCOMPARE(list.SelectedItems().size(), std::size_t{3});
    }

    void doubleClickOnAFolderRowDescends()
    {
        const auto started = StartApp({QStringLiteral("vorn"), SampleArchive()});
        CMainFrame& frame = *started->app->MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        CDirView& tree = *frame.DirView();
        CFilesView& list = *frame.FilesView();
        Select(tree, tree.model()->index(0, 0, tree.model()->index(0, 0)));  // R
        const auto doubleClickRow = [&list](int row, Qt::MouseButton button) {
            const QPoint point = list.visualRect(list.model()->index(row, 0)).center();
            QTest::mouseDClick(list.viewport(), button, {}, point);
        };

        DesktopCatcher desktop;
        doubleClickRow(3, Qt::LeftButton);  // a file row goes to the desktop, not to the tree
        QTRY_COMPARE(desktop.opened.size(), 1);
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("R"));
        doubleClickRow(1, Qt::RightButton);  // nor does the right button
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("R"));

        doubleClickRow(1, Qt::LeftButton);  // SOUND
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("SOUND"));
        QCOMPARE(tree.selectionModel()->selectedIndexes().size(), 1);
        QVERIFY(tree.isExpanded(tree.currentIndex().parent()));
        QCOMPARE(list.model()->index(0, 0).data().toString(), QStringLiteral("DEEP"));

        doubleClickRow(0, Qt::LeftButton);  // DEEP
        QCOMPARE(tree.currentIndex().data().toString(), QStringLiteral("DEEP"));
        QCOMPARE(Column(*list.model(), 0), QStringList{QStringLiteral("D.BIN")});
    }

    void secondArchiveReplacesTheFirst()
    {
        const QString first = SampleArchive();
        const QString second =
            WriteArchive(m_archives, QStringLiteral("other.pck"), {{}, {Folder("OTHER", {File("O.BIN", 1)})}});
        const auto started = StartApp({QStringLiteral("vorn"), first});
        CDirView& tree = *started->app->MainFrame()->DirView();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        Select(tree, tree.model()->index(0, 0));
        QVERIFY(list.model()->rowCount() > 0);
        QCOMPARE(OpenDescriptorsOf(first), 1);

        QVERIFY(started->app->OpenDocumentFile(second));
        QCOMPARE(OpenDescriptorsOf(first), 0);
        QCOMPARE(OpenDescriptorsOf(second), 1);
        QCOMPARE(Children(*tree.model(), {}), QStringList{QStringLiteral("OTHER.PCK")});
        QCOMPARE(Children(*tree.model(), tree.model()->index(0, 0)), QStringList{QStringLiteral("OTHER")});
        // The new archive's top level, not what the first one showed.
        QCOMPARE(Column(*list.model(), 0), QStringList{QStringLiteral("OTHER")});
        QCOMPARE(tree.selectionModel()->selectedIndexes(), QModelIndexList{tree.model()->index(0, 0)});

        // A file that cannot be opened leaves everything as it was.
        QVERIFY(!started->app->OpenDocumentFile(m_archives.filePath(QStringLiteral("missing.pck"))));
        QCOMPARE(Children(*tree.model(), {}), QStringList{QStringLiteral("OTHER.PCK")});
        QCOMPARE(OpenDescriptorsOf(second), 1);

        // Closing the application closes the archive.
        started->app.reset();
        QCOMPARE(OpenDescriptorsOf(second), 0);
    }

    void archiveWithoutFoldersShowsTheArchiveItemAlone()
    {
        const QString path = WriteArchive(m_archives, QStringLiteral("flat.pck"), {{File("ONLY.BIN", 1)}, {}});
        const auto started = StartApp({QStringLiteral("vorn"), path});
        CDirView& tree = *started->app->MainFrame()->DirView();
        QCOMPARE(tree.model()->rowCount(), 1);
        QCOMPARE(tree.model()->rowCount(tree.model()->index(0, 0)), 0);
        Select(tree, tree.model()->index(0, 0));
        QCOMPARE(Column(*started->app->MainFrame()->FilesView()->model(), 0), QStringList{QStringLiteral("ONLY.BIN")});
    }

    // Assistive technology reads the list's columns as the header shows them:
    // the hidden ones are left out and the cells are those of the shown ones.
    void accessibleListHasOnlyTheShownColumns()
    {
        const auto started = StartApp({QStringLiteral("vorn"), SampleArchive()});
        CDirView& tree = *started->app->MainFrame()->DirView();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        const QAbstractItemModel& files = *list.model();
        Select(tree, tree.model()->index(0, 0));
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&list)->tableInterface();
        QVERIFY(table);
        const auto headers = [table] {
            QStringList texts;
            for (int column = 0; column < table->columnCount(); ++column)
                texts << table->columnDescription(column);
            return texts;
        };
        QCOMPARE(headers(), Headers(files, {NameColumn, SizeColumn, TypeColumn}));

        list.ShowOptionalColumn(OffsetColumn, true);
        QCOMPARE(headers(), Headers(files, {NameColumn, SizeColumn, TypeColumn, OffsetColumn}));
        QCOMPARE(table->cellAt(2, 3)->text(QAccessible::Name), files.index(2, OffsetColumn).data().toString());
        QVERIFY(!table->cellAt(2, 4));
    }

    // DATA holds a file whose size fills the size column, a small one, the
    // same name again (sharing its data), an unsafe name, a sound file and
    // one whose data lies past the end.
    void sizesShowWholeAndRowsWithFindingsSayWhat()
    {
        const auto pck = ArchiveFormat::Pck;
        const std::string bytes = FolderRecord(pck, "DATA", 48) + FileRecord(pck, "TINY", 61, 384) +
                                  FileRecord(pck, "TINY", 61, 384) + FileRecord(pck, "..", 1, 445) +
                                  FileRecord(pck, "OK.BIN", 1, 446) + FileRecord(pck, "HUGE.BIN", 0xFFFFFFFFu, 447) +
                                  EndRecord(pck) + EndRecord(pck, 0) + std::string(63, 'x');
        QFile file(m_archives.filePath(QStringLiteral("findings.pck")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        const auto started = StartApp({QStringLiteral("vorn"), file.fileName()});
        CDirView& tree = *started->app->MainFrame()->DirView();
        CFilesView& list = *started->app->MainFrame()->FilesView();
        Select(tree, tree.model()->index(0, 0, tree.model()->index(0, 0)));
        QCOMPARE(Column(*list.model(), 0), (QStringList{"TINY", "TINY", "..", "OK.BIN", "HUGE.BIN"}));
        QCOMPARE(Column(*list.model(), SizeColumn), (QStringList{"1KB", "1KB", "1KB", "1KB", "4,194,303KB"}));
        QVERIFY(list.columnWidth(SizeColumn) > list.fontMetrics().horizontalAdvance(QStringLiteral("4,194,303KB")));

        // The check runs off the user-interface thread; its findings arrive as a warning icon and a tooltip.
        const auto tip = [&list](int row) { return list.model()->index(row, NameColumn).data(Qt::ToolTipRole).toString(); };
        QTRY_VERIFY(tip(4).contains(QStringLiteral("lies past the end of the archive")));
        QVERIFY(tip(0).contains(QStringLiteral("occurs more than once")));
        QVERIFY(tip(1).contains(QStringLiteral("overlaps")));
        QVERIFY(tip(2).contains(QStringLiteral("\"..\"")));
        QCOMPARE(tip(3), QStringLiteral("Size: 1 byte\nOffset: 446"));
        const QImage warning = list.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16).toImage();
        const QImage file16 = res::ListFileIcon().pixmap(16, 16).toImage();
        for (int row = 0; row < 5; ++row)
            QCOMPARE(IconImage(list.model()->index(row, NameColumn), QIcon::Normal), row == 3 ? file16 : warning);
    }
};

QTEST_MAIN(TestViews)
#include "test_views.moc"

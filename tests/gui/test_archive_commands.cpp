// Commands about a file or the archive as a whole: Open with the desktop
// (through a private temporary folder), Test Archive and File > Properties.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "archive/archive_file.h"
#include "dialogs/properties_dialog.h"
#include "dialogs/report_dialog.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

using namespace vorn;
using namespace vorn::testing;

namespace {

unsigned Mode(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Presses Enter on the list's row.
void OpenRow(CFilesView& list, int row)
{
    list.setFocus();
    list.setCurrentIndex(list.model()->index(row, 0));
    QTest::keyClick(&list, Qt::Key_Return);
}

// The text and detail of the next message box, which is closed.
std::shared_ptr<QStringList> CatchMessage()
{
    auto caught = std::make_shared<QStringList>();
    WhenModal<QMessageBox>([caught](QMessageBox* box) {
        *caught << box->text() << box->informativeText();
        box->accept();
    });
    return caught;
}

}  // namespace

class TestArchiveCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApp> Start(const WriterTree& tree)
    {
        auto started = StartApp({QStringLiteral("vorn"), WriteArchive(m_archives, QStringLiteral("game.pck"), tree)});
        CMainFrame& frame = *started->app->MainFrame();
        if (!QTest::qWaitForWindowExposed(&frame))
            qFatal("the main window did not show");
        frame.DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot());
        return started;
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }
    void cleanup() { ForgetPendingAnswers(); }

    void openExtractsPrivatelyHandsOverAndCleansUpAtExit()
    {
        DesktopCatcher desktop;
        auto started = Start({{}, {Folder("DATA", {File("README.TXT", 5), File("..", 1)})}});
        CFilesView& list = *started->app->MainFrame()->FilesView();

        OpenRow(list, 0);
        QTRY_COMPARE(desktop.opened.size(), 1);
        const QString opened = desktop.opened[0].toLocalFile();
        QCOMPARE(QFileInfo(opened).fileName(), QStringLiteral("README.TXT"));
        QCOMPARE(QFileInfo(opened).size(), 5);
        const QString temporary = started->app->PrivateTemp().Path();
        QCOMPARE(QFileInfo(QFileInfo(opened).absolutePath()).absolutePath(), temporary);
        QCOMPARE(Mode(temporary), 0700u);
        QCOMPARE(Mode(QFileInfo(opened).absolutePath()), 0700u);
        // Opened again, it comes fresh into a folder of its own.
        OpenRow(list, 0);
        QTRY_COMPARE(desktop.opened.size(), 2);
        QVERIFY(desktop.opened[1] != desktop.opened[0]);

        // A name that cannot be written is refused, and said so.
        auto message = CatchMessage();
        OpenRow(list, 1);
        QTRY_COMPARE(message->size(), 2);
        QCOMPARE(message->at(0), QStringLiteral("Could not open DATA\\.."));
        QVERIFY2(message->at(1).contains(QStringLiteral("refers to a folder")), qPrintable(message->at(1)));
        QCOMPARE(desktop.opened.size(), 2);

        started.reset();
        QVERIFY(!QFileInfo::exists(temporary));
    }

    void openWithoutATemporaryFolderSaysWhy()
    {
        DesktopCatcher desktop;
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(m_archives.filePath(QStringLiteral("missing"))));
        auto started = Start({{}, {Folder("DATA", {File("README.TXT", 5)})}});
        auto message = CatchMessage();
        OpenRow(*started->app->MainFrame()->FilesView(), 0);
        QTRY_COMPARE(message->size(), 2);
        qputenv("TMPDIR", saved);
        QCOMPARE(message->at(0), QStringLiteral("Could not open DATA\\README.TXT"));
        QVERIFY2(message->at(1).startsWith(QStringLiteral("No private temporary folder: the system's temporary folder ")),
                 qPrintable(message->at(1)));
        QVERIFY(desktop.opened.isEmpty());
    }

    void testFindsWhatTheCommandLineCheckFinds()
    {
        const QString sound = WriteArchive(m_archives, QStringLiteral("sound.pck"), {{}, {Folder("A", {File("B", 1)})}});
        for (const QString& path : {QStringLiteral(VORN_DEMO_DIR "/damaged.pck"), sound}) {
            auto started = StartApp({QStringLiteral("vorn"), path});
            QString summary;
            QStringList findings;
            WhenModal<CReportDialog>([&](CReportDialog* report) {
                QTest::qWait(400);  // the progress dialog's delayed showing must not come up over the report
                QCOMPARE(QApplication::activeModalWidget(), report);
                summary = report->findChild<QLabel*>()->text();
                const QTableWidget& table = *report->Table();
                for (int row = 0; row < table.rowCount(); ++row)
                    findings << QStringLiteral("%1: %2: %3").arg(path, table.item(row, 0)->text(),
                                                                 table.item(row, 3)->text());
                QVERIFY(table.item(0, 2) == nullptr || !table.item(0, 2)->text().startsWith('\\'));
                report->reject();
            });
            started->app->MainFrame()->CommandAction(res::ID_FILE_TEST)->trigger();
            QTRY_VERIFY(!summary.isEmpty());

            QProcess check;
            check.start(QStringLiteral(VORN_CLI), {QStringLiteral("check"), path});
            QVERIFY(check.waitForFinished());
            QStringList expected;
            for (const QString& line : QString::fromUtf8(check.readAllStandardError()).split('\n', Qt::SkipEmptyParts))
                expected << line.section(QStringLiteral("vorn-cli: "), 1);
            QCOMPARE(findings, expected);
            QCOMPARE(summary.startsWith(QStringLiteral("No findings")), expected.isEmpty());
        }
    }

    // The report of Compare With lists what changed, and a row shows its item in the window.
    void compareWithListsTheChangesAndRevealsTheirItems()
    {
        const QString a = WriteArchive(m_archives, QStringLiteral("a.pck"),
                                       {{}, {Folder("DATA", {File("A.BIN", 3), File("B.BIN", 4)}, {Folder("SUB", {})})}});
        const QString b =
            WriteArchive(m_archives, QStringLiteral("b.pck"), {{}, {Folder("DATA", {File("A.BIN", 5), File("C.BIN", 1)})}});
        auto started = StartApp({QStringLiteral("vorn"), a});
        WhenModal<QFileDialog>([&](QFileDialog* chooser) {
            chooser->selectFile(b);
            QMetaObject::invokeMethod(chooser, "accept");
        });
        started->app->MainFrame()->CommandAction(res::ID_FILE_COMPARE)->trigger();
        CReportDialog* report = nullptr;
        QTRY_VERIFY((report = started->app->MainFrame()->findChild<CReportDialog*>()) && report->isVisible());
        QTableWidget& table = *report->Table();
        QStringList rows;
        for (int row = 0; row < table.rowCount(); ++row)
            rows << table.item(row, 0)->text() + QLatin1Char(' ') + table.item(row, 1)->text();
        QCOMPARE(rows, QStringList({QStringLiteral("Folder only in a.pck DATA\\SUB"),
                                    QStringLiteral("Only in a.pck DATA\\B.BIN"), QStringLiteral("Only in b.pck DATA\\C.BIN"),
                                    QStringLiteral("Differs DATA\\A.BIN")}));
        emit table.itemActivated(table.item(3, 1));
        const CFilesView& list = *started->app->MainFrame()->FilesView();
        QTRY_COMPARE(list.SelectedItems().size(), std::size_t{1});
        const CArchiveFile& archive = *started->app->Document()->GetArchive();
        QCOMPARE(archive.Entries()[list.SelectedItems().front().entry].GetFullPath(), std::string("\\DATA\\A.BIN"));
        report->close();
    }

    void nameEncodingReadsTheNamesAgainEverywhereAndIsRemembered()
    {
        const QString path = WriteArchive(m_archives, QStringLiteral("names.pck"),
                                          {{}, {Folder("DATA", {File("\xD7\xC8\xD2\xC0\xC9.TXT", 3), File("OK", 1)})}});
        QTemporaryDir target;
        const auto names = [](const QAbstractItemModel& model) {
            QStringList shown;
            for (int row = 0; row < model.rowCount(); ++row)
                shown << model.index(row, 0).data().toString();
            return shown;
        };
        const QString cyrillic = QStringLiteral("\u0427\u0418\u0422\u0410\u0419.TXT");
        for (const auto& [encoding, shown, written] :
             {std::tuple{"Windows-1251", cyrillic, QStringList{"OK", cyrillic}},
              std::tuple{"UTF-8", QStringLiteral("\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD.TXT"), QStringList{"OK"}}}) {
            auto started = StartApp({QStringLiteral("vorn"), path});
            CMainFrame& frame = *started->app->MainFrame();
            CFilesView& list = *frame.FilesView();
            frame.DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot());
            for (QAction* action : frame.CommandAction(res::ID_VIEW_NAME_ENCODING)->menu()->actions())
                if (action->text() == QLatin1String(encoding))
                    action->trigger();
            QVERIFY(WaitUntilIdle(*started));
            // The folder shown stays; the list, the search and extraction take the new names.
            QCOMPARE(frame.DirView()->currentIndex().data().toString(), QStringLiteral("DATA"));
            QCOMPARE(names(*list.model()), (QStringList{shown, "OK"}));
            frame.FilesPane()->WholeArchiveSwitch()->setChecked(true);
            frame.FilesPane()->FilterBox()->setText(shown.left(2));
            QTRY_COMPARE(names(*list.model()), QStringList{shown});
            frame.FilesPane()->WholeArchiveSwitch()->setChecked(false);
            frame.FilesPane()->FilterBox()->clear();

            started->app->SetExtractDir(target.filePath(QLatin1String(encoding)));
            QDir().mkpath(started->app->GetExtractDir());
            list.selectAll();
            WhenModal<QDialog>([](QDialog* report) { report->reject(); });  // what was refused
            frame.CommandAction(res::ID_FILE_EXTRACT_HERE)->trigger();
            QVERIFY(WaitUntilIdle(*started));
            QCOMPARE(QDir(started->app->GetExtractDir()).entryList(QDir::Files), written);
            ForgetPendingAnswers();

            // Opened again, the archive keeps its encoding.
            started = StartApp({QStringLiteral("vorn"), path});
            QCOMPARE(started->app->Document()->GetArchive()->GetNameEncoding(), std::string(encoding));
        }
    }

    void propertiesGiveTheArchivesFiguresAndFindings()
    {
        auto started = Start({{}, {Folder("DATA", {File("A.BIN", 3000), File("B.BIN", 2)}, {Folder("SUB", {})})}});
        CMainFrame& frame = *started->app->MainFrame();
        QVERIFY(frame.CommandAction(res::ID_FILE_PROPERTIES)->isEnabled());
        QMap<QString, QString> figures;
        QString findings;
        WhenModal<CPropertiesDialog>([&](CPropertiesDialog* dialog) {
            const auto* form = dialog->findChild<QFormLayout*>();
            for (int row = 0; row < form->rowCount(); ++row)
                figures[static_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text()] =
                    static_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget())->text();
            findings = dialog->findChild<QPlainTextEdit*>()->toPlainText();
            dialog->reject();
        });
        frame.FilesView()->clearSelection();  // nothing selected: the archive itself
        frame.CommandAction(res::ID_FILE_PROPERTIES)->trigger();
        QCOMPARE(figures["Format:"], QStringLiteral("PCK, records of 48 bytes"));
        QCOMPARE(figures["Catalogue records:"], QStringLiteral("7"));
        QCOMPARE(figures["Folders:"], QStringLiteral("2"));
        QCOMPARE(figures["Files:"], QStringLiteral("2"));
        QCOMPARE(figures["Total size of the files:"], QStringLiteral("2.9 KiB (3,002 bytes)"));
        QCOMPARE(figures["Data bytes no entry covers:"], QStringLiteral("0 bytes"));
        QCOMPARE(findings, QStringLiteral("Nothing: the catalogue loaded cleanly."));

        // No archive, nothing to show.
        frame.CommandAction(res::ID_FILE_NEW)->trigger();
        QVERIFY(!frame.CommandAction(res::ID_FILE_PROPERTIES)->isEnabled());
        QVERIFY(!frame.CommandAction(res::ID_FILE_TEST)->isEnabled());
    }
};

QTEST_MAIN(TestArchiveCommands)
#include "test_archive_commands.moc"

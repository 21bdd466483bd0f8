// Changes made in the window: pending until saved, undone and redone, refused
// when they could not be saved, and saved whole or not at all.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "dialogs/report_dialog.h"
#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_view.h"
#include "views/preview_pane.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

using namespace vorn;
using namespace vorn::testing;

namespace {

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What vorn-cli prints for arguments.
QByteArray Cli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(VORN_CLI), arguments);
    return cli.waitForFinished() && cli.exitCode() == 0 ? cli.readAllStandardOutput() : QByteArray();
}

// The files `vorn-cli list --json` lists: each one's path, name and size.
QStringList ListedFiles(const QString& archive)
{
    QStringList files;
    const QJsonObject listing =
        QJsonDocument::fromJson(Cli({QStringLiteral("list"), QStringLiteral("--json"), archive})).object();
    for (const QJsonValue& file : listing.value(QStringLiteral("files")).toArray())
        files << QStringLiteral("%1\\%2 %3")
                     .arg(file[QStringLiteral("path")].toString(), file[QStringLiteral("name")].toString())
                     .arg(file[QStringLiteral("size")].toInteger());
    return files;
}

QStringList Names(const CFilesView& list)
{
    QStringList names;
    for (int row = 0; row < list.model()->rowCount(); ++row)
        names << list.model()->index(row, 0).data().toString();
    return names;
}

}  // namespace

class TestEdit : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApp> StartWithArchive()
    {
        m_path = WriteArchive(m_archives, QStringLiteral("game.pck"),
                              {{}, {Folder("DATA", {File("A.BIN", 2000), File("B.BIN", 30)})}});
        auto started = StartApp({QStringLiteral("vorn"), m_path});
        CMainFrame* frame = started->app->MainFrame();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame))
            qFatal("the main window did not become active");
        frame->DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot());
        return started;
    }

    void SelectRow(CFilesView& list, int row)
    {
        list.setFocus();
        list.setCurrentIndex(list.model()->index(row, 0));
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;
    QString m_path;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }

    // Rename in place, Delete and New Folder are pending, named in Undo and
    // counted; a bad name is refused at once; undo and redo move through them.
    void changesArePendingAndUndoable()
    {
        const auto started = StartWithArchive();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        const QByteArray saved = Bytes(m_path);

        SelectRow(list, 0);
        QTest::keyClick(&list, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(QStringLiteral("TITLE.BIN"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(Names(list), (QStringList{"TITLE.BIN", "B.BIN"}));  // the editor commits from the event loop
        QCOMPARE(frame.CommandAction(res::ID_EDIT_UNDO)->text(), QStringLiteral("&Undo Rename A.BIN\tCtrl+Z"));
        QVERIFY(frame.isWindowModified());

        // A name another item has, in another case, is refused with the writer's words.
        QString refusal;
        WhenModal<QMessageBox>([&refusal](QMessageBox* box) {
            refusal = box->text();
            box->accept();
        });
        SelectRow(list, 1);
        QTest::keyClick(&list, Qt::Key_F2);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(QStringLiteral("title.bin"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(refusal, QStringLiteral("Refused name DATA\\title.bin"));
        QCOMPARE(started->app->Document()->Pending()->PendingSteps(), std::size_t{1});
        frame.activateWindow();  // the message box had it
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        SelectRow(list, 1);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(Names(list), QStringList{"TITLE.BIN"});
        frame.CommandAction(res::ID_EDIT_UNDO)->trigger();
        frame.CommandAction(res::ID_EDIT_UNDO)->trigger();
        QCOMPARE(Names(list), (QStringList{"A.BIN", "B.BIN"}));
        QVERIFY(!frame.isWindowModified());
        frame.CommandAction(res::ID_EDIT_REDO)->trigger();
        QCOMPARE(Names(list), (QStringList{"TITLE.BIN", "B.BIN"}));
        QCOMPARE(Bytes(m_path), saved);  // nothing is written until a save

        // Letting the archive go, or reading it in another encoding, asks;
        // Cancel keeps it and its changes.
        started->app->SetUnsavedQuestion([](QWidget*, const QString&) { return QMessageBox::Cancel; });
        frame.CommandAction(res::ID_FILE_CLOSE)->trigger();
        started->app->OnNameEncoding(QStringLiteral("Windows-1251"));
        QVERIFY(WaitUntilIdle(*started));
        QVERIFY(started->app->Document()->GetArchive());
        QCOMPARE(started->app->Document()->Pending()->PendingSteps(), std::size_t{1});
        started->app->SetUnsavedQuestion([](QWidget*, const QString&) { return QMessageBox::Discard; });
        frame.CommandAction(res::ID_FILE_CLOSE)->trigger();
        QVERIFY(!started->app->Document()->GetArchive());
        QCOMPARE(Bytes(m_path), saved);
    }

    // Files dropped on the window join the folder shown; an archive dropped
    // on the list asks whether it is to be opened or added.
    void dropsAddFiles()
    {
        const auto started = StartWithArchive();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        QTemporaryDir disk;
        for (const char* name : {"NOTE.TXT", "MOD.PCK"}) {
            QFile file(disk.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const auto drop = [&](const QString& name) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(disk.filePath(name))});
            const QPoint onList = list.viewport()->mapTo(&frame, list.viewport()->rect().center());
            // Qt delivers a drop only where the drag entered.
            QDragEnterEvent enter(onList, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&frame, &enter);
            QDropEvent event(onList, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&frame, &event);
        };
        drop(QStringLiteral("NOTE.TXT"));
        QCOMPARE(Names(list), (QStringList{"A.BIN", "B.BIN", "NOTE.TXT"}));

        QString question;
        WhenModal<QMessageBox>([&question](QMessageBox* box) {
            question = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QStringLiteral("Add to Archive"))
                    button->click();
        });
        drop(QStringLiteral("MOD.PCK"));
        QCOMPARE(question, QStringLiteral("Open MOD.PCK, or add it to the archive shown?"));
        QCOMPARE(Names(list), (QStringList{"A.BIN", "B.BIN", "NOTE.TXT", "MOD.PCK"}));
        QCOMPARE(QString::fromStdString(started->app->Document()->GetArchive()->GetPathName()), m_path);
    }

    // A replaced file saved as another archive gives its new bytes; the
    // document then shows the new archive. A save that fails leaves the
    // archive as it was, byte for byte, and the changes pending.
    void saveWritesWholeOrNothing()
    {
        const auto started = StartWithArchive();
        CMainFrame& frame = *started->app->MainFrame();
        CFilesView& list = *frame.FilesView();
        QTemporaryDir disk;
        const QString replacement = disk.filePath(QStringLiteral("NEW.BIN"));
        QFile file(replacement);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("new bytes");
        file.close();

        PendingArchive& pending = *started->app->Document()->Pending();
        QVERIFY(pending.Replace(list.Model().EntryAt(0).value(), replacement.toStdString()).empty());
        started->app->Document()->ChangesMade();
        frame.CommandAction(res::ID_VIEW_PREVIEW)->setChecked(true);
        SelectRow(list, 0);
        QVERIFY(list.model()->index(0, 0).data(Qt::ToolTipRole).toString().startsWith(
            QStringLiteral("Replaced by %1, 2,000 → 9 bytes").arg(replacement)));
        QTRY_COMPARE(frame.PreviewPane()->TextView()->toPlainText(), QStringLiteral("new bytes"));

        // The file changed after it was picked: the save fails, nothing is written.
        const QByteArray saved = Bytes(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write("!");
        file.close();
        QString refusal;
        WhenModal<QMessageBox>([&refusal](QMessageBox* box) {
            refusal = box->text();
            box->accept();
        });
        frame.CommandAction(res::ID_FILE_SAVE)->trigger();
        QCOMPARE(refusal, QStringLiteral("File changed while it was taken: %1").arg(replacement));
        QCOMPARE(Bytes(m_path), saved);
        QVERIFY(frame.isWindowModified());

        // Picked again, and saved as another archive.
        started->app->Document()->Pending()->Undo();
        QVERIFY(pending.Replace(list.Model().EntryAt(0).value(), replacement.toStdString()).empty());
        const QString other = m_archives.filePath(QStringLiteral("other.pck"));
        started->app->SetSaveAsChooser([&other](QWidget*, const QString&) { return other; });
        // The preview reads the archive on its worker while the save does, and
        // still holds it when the document lets it go for the one saved.
        SelectRow(list, 1);
        frame.CommandAction(res::ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(QString::fromStdString(started->app->Document()->GetArchive()->GetPathName()), other);
        QVERIFY(!frame.isWindowModified());
        const CArchiveFile& reopened = *started->app->Document()->GetArchive();
        QCOMPARE(reopened.Entries()[0].m_size, std::uint32_t{10});
        QCOMPARE(Names(list), (QStringList{"A.BIN", "B.BIN"}));
        QCOMPARE(Bytes(m_path), saved);
        QStringList listed = ListedFiles(m_path);
        listed[0] = QStringLiteral("\\DATA\\A.BIN 10");
        QCOMPARE(ListedFiles(other), listed);
        QCOMPARE(Cli({QStringLiteral("cat"), other, QStringLiteral("DATA/A.BIN")}), QByteArray("new bytes!"));

        // Nothing pending, saved as another archive: the same bytes.
        const QString again = m_archives.filePath(QStringLiteral("again.pck"));
        started->app->SetSaveAsChooser([&again](QWidget*, const QString&) { return again; });
        frame.CommandAction(res::ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(Bytes(again), Bytes(other));
    }

    // A folder with names the format cannot hold is refused with every one
    // of them listed; a sound one becomes the archive shown.
    void newArchiveFromFolder()
    {
        const auto started = StartApp();
        QTemporaryDir disk;
        QDir(disk.path()).mkpath(QStringLiteral("MOD/GFX"));
        for (const char* name : {"MOD/GFX/TITLE.BMP", "MOD/GFX/title.bmp", "MOD/A_NAME_LONGER_THAN_ANY_FIELD_HOLDS.TXT",
                                 "MOD/README.TXT"}) {
            QFile file(disk.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        const QString archive = disk.filePath(QStringLiteral("mod.dir"));
        started->app->SetNewArchiveChooser(
            [&](QWidget*) { return CVornApp::NewArchivePaths{disk.filePath(QStringLiteral("MOD")), archive}; });
        QStringList refused;
        WhenModal<CReportDialog>([&refused](CReportDialog* report) {
            for (int row = 0; row < report->Table()->rowCount(); ++row)
                refused << report->Table()->item(row, 0)->text();
            report->accept();
        });
        started->app->MainFrame()->CommandAction(res::ID_FILE_NEW_FROM_FOLDER)->trigger();
        QVERIFY(WaitUntilIdle(*started));
        refused.sort();
        QCOMPARE(refused, (QStringList{"A_NAME_LONGER_THAN_ANY_FIELD_HOLDS.TXT", "GFX\\title.bmp"}));
        QVERIFY(!QFile::exists(archive));

        QVERIFY(QFile::remove(disk.filePath(QStringLiteral("MOD/GFX/title.bmp"))));
        QVERIFY(QFile::remove(disk.filePath(QStringLiteral("MOD/A_NAME_LONGER_THAN_ANY_FIELD_HOLDS.TXT"))));
        started->app->MainFrame()->CommandAction(res::ID_FILE_NEW_FROM_FOLDER)->trigger();
        QVERIFY(WaitUntilIdle(*started));
        QCOMPARE(QString::fromStdString(started->app->Document()->GetArchive()->GetPathName()), archive);
        QCOMPARE(started->app->Document()->GetArchive()->Entries().size(), std::size_t{2});
    }
};

QTEST_MAIN(TestEdit)
#include "test_edit.moc"

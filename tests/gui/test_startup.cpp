// Start-up, the settings and the recent-file list.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "res/resource_ids.h"
#include "tests/core/catalogue_test_helpers.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_view.h"

#include <QAction>
#include <QMessageBox>
#include <QSettings>
#include <QScopeGuard>
#include <QScreen>
#include <QSplitter>
#include <QMenuBar>
#include <QPushButton>
#include <QLocale>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vorn;
using namespace vorn::testing;

class TestStartup : public QObject {
    Q_OBJECT

private:
    QString MakeArchive(const QString& fileName)
    {
        return WriteArchive(m_archives, fileName, {{}, {Folder("DATA", {File("A.BIN", 10)})}});
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }
    void cleanup() { ForgetPendingAnswers(); }

    void startsEmptyWithoutPath()
    {
        const auto started = StartApp();
        QVERIFY(started->started);
        CMainFrame* frame = started->app->MainFrame();
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Vorn v2.0"));
        QVERIFY(!started->app->Document()->GetArchive());
        QCOMPARE(frame->DirView()->model()->rowCount(), 0);
        QCOMPARE(frame->FilesView()->model()->rowCount(), 0);
        QCOMPARE(frame->GetActiveView(), frame->FilesView());
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vorn"));
        QVERIFY(QCoreApplication::applicationName().startsWith(QStringLiteral("Vorn 2.0 by ")));
        QVERIFY(started->reporter.Messages().empty());
    }

    // The window speaks the system's language where a translation is at hand
    // (a run of this test alone is made under a German locale), Qt's own
    // buttons too; elsewhere the sources' English stays.
    void speaksTheSystemsLanguage()
    {
        const auto started = StartApp();
        const bool german = QLocale().language() == QLocale::German;
        const QList<QAction*> menus = started->app->MainFrame()->menuBar()->actions();
        QCOMPARE(menus.front()->text(), german ? QStringLiteral("&Datei") : QStringLiteral("&File"));
        QCOMPARE(menus.front()->menu()->actions().front()->text(),
                 german ? QStringLiteral("Ö&ffnen...\tCtrl+O") : QStringLiteral("&Open...\tCtrl+O"));
        QMessageBox question(QMessageBox::Question, {}, {}, QMessageBox::Save | QMessageBox::Discard);
        QCOMPARE(question.button(QMessageBox::Save)->text().remove(QLatin1Char('&')),
                 german ? QStringLiteral("Speichern") : QStringLiteral("Save"));
    }

    void opensPathGivenAtStartUp()
    {
        const QString path = MakeArchive(QStringLiteral("game.pck"));
        const auto started = StartApp({QStringLiteral("vorn"), path});
        QVERIFY(started->started);
        QVERIFY(started->app->MainFrame()->isVisible());
        const CArchiveFile* archive = started->app->Document()->GetArchive();
        QVERIFY(archive && archive->IsOpen());
        QCOMPARE(archive->Entries().size(), std::size_t{1});
        QCOMPARE(started->app->MainFrame()->DirView()->model()->index(0, 0).data().toString(),
                 QStringLiteral("GAME.PCK"));
        QCOMPARE(started->app->MainFrame()->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("Vorn v2.0"));
        QCOMPARE(started->app->RecentFiles().Paths(), QStringList{path});
    }

    void unopenablePathEndsStartUpAfterItsMessage()
    {
        const QString fifo = m_archives.filePath(QStringLiteral("fifo.pck"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // A writer keeps the FIFO open, so that reading it as a file fails the test rather than hangs it.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(writer >= 0);
        const std::pair<QString, QString> cases[] = {
            {m_archives.filePath(QStringLiteral("missing.pck")), QStringLiteral("No such file or directory")},
            {m_archives.path(), QStringLiteral("not a regular file")},
            {fifo, QStringLiteral("not a regular file")},
        };
        for (const auto& [path, reason] : cases) {
            const auto started = StartApp({QStringLiteral("vorn"), path});
            QVERIFY(!started->started);
            QVERIFY(!started->app->MainFrame()->isVisible());
            QCOMPARE(started->reporter.Messages().size(), std::size_t{1});
            QCOMPARE(started->reporter.Messages()[0].text, std::string("Failed to open document."));
            QCOMPARE(QString::fromStdString(started->reporter.Messages()[0].detail), path + QStringLiteral(": ") + reason);
            QVERIFY(started->app->RecentFiles().Paths().isEmpty());
        }
        ::close(writer);
        const QString path = MakeArchive(QStringLiteral("one.pck"));
        QVERIFY(!StartApp({QStringLiteral("vorn"), path, path})->started);
    }

    void badArchiveStillOpens()
    {
        // An unknown extension reads no catalogue; an unknown record is reported once.
        const QString other = MakeArchive(QStringLiteral("game.pak"));
        auto started = StartApp({QStringLiteral("vorn"), other});
        QVERIFY(started->started);
        QVERIFY(started->app->Document()->GetArchive()->Entries().empty());
        QVERIFY(started->reporter.Messages().empty());
        QCOMPARE(started->app->MainFrame()->DirView()->model()->rowCount(), 1);

        const QString odd = m_archives.filePath(QStringLiteral("odd.pck"));
        QFile file(odd);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Record(ArchiveFormat::Pck, "X", 7, 0, 48) +
                                             Record(ArchiveFormat::Pck, "", 255, 0, 0)));
        file.close();
        started = StartApp({QStringLiteral("vorn"), odd});
        QVERIFY(started->started);
        QCOMPARE(started->reporter.Messages().size(), std::size_t{1});
        QCOMPARE(started->reporter.Messages()[0].text, std::string("Unknown file type encountered."));
    }

    void everythingALoadSkippedIsReportedInOneMessage()
    {
        const auto pck = ArchiveFormat::Pck;
        const std::string pastTheEnd = FileRecord(pck, "PAST.BIN", 100, 4000);
        const struct {
            const char* name;
            std::string bytes;
            std::string text;
            std::size_t findings;
        } archives[] = {
            // A folder pointing backwards, data past the end.
            {"loop.pck",
             FolderRecord(pck, "DATA", 48) + FolderRecord(pck, "BACK", 10) + pastTheEnd + EndRecord(pck) +
                 EndRecord(pck) + EndRecord(pck, 0),
             "The archive's catalogue is damaged.", 2},
            // An unknown record, data past the end; the missing closing record is only a note.
            {"odd.pck", Record(pck, "X", 7, 0, 48) + pastTheEnd, "Unknown file type encountered.", 2},
            // Every record whole, the closing one left out: nothing to report.
            {"open.pck", FolderRecord(pck, "DATA", 48) + FileRecord(pck, "A.TXT", 0, 1), "", 0},
        };
        for (const auto& archive : archives) {
            const QString path = m_archives.filePath(QLatin1String(archive.name));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(archive.bytes));
            file.close();
            const auto started = StartApp({QStringLiteral("vorn"), path});
            QVERIFY(started->started);
            QCOMPARE(started->reporter.Messages().size(), std::size_t{archive.findings > 0});
            if (archive.findings == 0)
                continue;
            const Message& report = started->reporter.Messages()[0];
            QCOMPARE(report.text, archive.text);
            QCOMPARE(report.list.size(), archive.findings);
            QVERIFY(QString::fromStdString(report.detail).startsWith(path + QStringLiteral(": ")));
        }

        // In the application's own message box, the findings are the box's details.
        CVornApp app;
        QString details;
        WhenModal<QMessageBox>([&details](QMessageBox* box) {
            details = box->detailedText();
            box->accept();
        });
        QVERIFY(app.InitInstance({QStringLiteral("vorn"), m_archives.filePath(QStringLiteral("odd.pck"))}));
        QCOMPARE(details.count(QLatin1Char('\n')), 1);
        QVERIFY(details.contains(QStringLiteral("PAST.BIN")));
    }

    void recentFilesKeepFourNewestFirstAcrossInstances()
    {
        QStringList paths;
        for (int index = 1; index <= 5; ++index)
            paths << MakeArchive(QStringLiteral("r%1.pck").arg(index));
        {
            const auto started = StartApp();
            QAction* first = started->app->MainFrame()->CommandAction(res::ID_FILE_MRU_FILE1);
            QCOMPARE(first->text(), QStringLiteral("Recent File"));
            QVERIFY(!first->isEnabled());
            for (const QString& path : paths)
                QVERIFY(started->app->OpenDocumentFile(path));
            QVERIFY(started->app->OpenDocumentFile(paths[2]));  // reopening moves it to the top
            QCOMPARE(started->app->RecentFiles().Paths(), (QStringList{paths[2], paths[4], paths[3], paths[1]}));
        }
        const auto second = StartApp();
        QCOMPARE(second->app->RecentFiles().Paths(), (QStringList{paths[2], paths[4], paths[3], paths[1]}));
        CMainFrame* frame = second->app->MainFrame();
        const int ids[] = {res::ID_FILE_MRU_FILE1, res::ID_FILE_MRU_FILE2, res::ID_FILE_MRU_FILE3,
                           res::ID_FILE_MRU_FILE4};
        for (int index = 0; index < 4; ++index) {
            QAction* action = frame->CommandAction(ids[index]);
            QVERIFY(action->isEnabled() && action->isVisible());
            QCOMPARE(action->text(), QStringLiteral("&%1 %2").arg(index + 1).arg(second->app->RecentFiles().Paths()[index]));
        }

        // Choosing an entry opens it; one that is gone leaves the list.
        frame->CommandAction(res::ID_FILE_MRU_FILE3)->trigger();
        QCOMPARE(second->app->Document()->GetArchive()->GetFileName(), std::string("r4.pck"));
        QVERIFY(QFile::remove(paths[1]));
        frame->CommandAction(res::ID_FILE_MRU_FILE4)->trigger();
        QCOMPARE(second->app->RecentFiles().Paths(), (QStringList{paths[3], paths[2], paths[4]}));
        QVERIFY(!frame->CommandAction(res::ID_FILE_MRU_FILE4)->isVisible());
        QCOMPARE(second->app->Document()->GetArchive()->GetFileName(), std::string("r4.pck"));
    }

    void extractDirPersistsAcrossInstances()
    {
        {
            const auto started = StartApp();
            QCOMPARE(started->app->GetExtractDir(), QString());
            started->app->SetExtractDir(QStringLiteral(" /tmp/out dir/ "));
            QCOMPARE(started->app->GetExtractDir(), QStringLiteral(" /tmp/out dir/ "));
        }
        QCOMPARE(QSettings().value(QStringLiteral("Settings/ExtractDir")).toString(), QStringLiteral(" /tmp/out dir/ "));
        {
            const auto started = StartApp();
            QCOMPARE(started->app->GetExtractDir(), QStringLiteral(" /tmp/out dir/ "));
            started->app->SetExtractDir(QString());
        }
        QCOMPARE(StartApp()->app->GetExtractDir(), QString());
    }

    void layoutPersistsAcrossInstances()
    {
        const QString archive = MakeArchive(QStringLiteral("layout.pck"));
        const QRect placed(30, 40, 600, 420);
        {
            const auto started = StartApp();
            started->app->SetOpenFileChooser([&](QWidget*) { return archive; });
            CMainFrame& frame = *started->app->MainFrame();
            frame.setGeometry(placed);
            frame.Splitter()->setSizes({220, 380});
            frame.FilesView()->setColumnWidth(SizeColumn, 111);
            frame.FilesView()->setColumnHidden(OffsetColumn, false);
            frame.FilesView()->SetSort({SizeColumn, true});
            frame.CommandAction(res::ID_FILE_OPEN)->trigger();
            QVERIFY(frame.close());
        }
        QCOMPARE(QSettings().value(QStringLiteral("Settings/OpenFolder")).toString(), m_archives.path());

        // Saved on a screen that is gone, the window comes back centred on the one there is.
        for (const bool screenGone : {false, true}) {
            if (screenGone)
                QSettings().setValue(QStringLiteral("Layout/Screen"), QStringLiteral("unplugged"));
            const auto started = StartApp();
            CMainFrame& frame = *started->app->MainFrame();
            const QRect available = frame.screen()->availableGeometry();
            QCOMPARE(frame.size(), placed.size());
            if (screenGone)
                QVERIFY((frame.frameGeometry().center() - available.center()).manhattanLength() <= 8);  // the frame's edge
            else
                QCOMPARE(frame.geometry(), placed);
            QCOMPARE(frame.Splitter()->sizes().front(), 220);
            QCOMPARE(frame.FilesView()->columnWidth(SizeColumn), 111);
            QVERIFY(!frame.FilesView()->isColumnHidden(OffsetColumn));
            QVERIFY(frame.FilesView()->isColumnHidden(FolderColumn));
            QCOMPARE(frame.FilesView()->Sort(), (ListSort{SizeColumn, true}));
        }
    }

    // The first window, and one saved larger than the screen, fit it frame
    // and all. Also run at a scale factor of 2 on a 1600×1000 screen, where
    // the first size does not fit.
    void windowFitsTheScreen()
    {
        const auto fits = [](const CMainFrame& frame) {
            return frame.screen()->availableGeometry().contains(frame.frameGeometry());
        };
        {
            const auto started = StartApp();
            CMainFrame& frame = *started->app->MainFrame();
            QVERIFY2(fits(frame), qPrintable(QStringLiteral("%1×%2").arg(frame.width()).arg(frame.height())));
            frame.setGeometry(QRect(-50, -50, 4000, 3000));
            QVERIFY(frame.close());
        }
        const auto restarted = StartApp();
        QVERIFY(fits(*restarted->app->MainFrame()));
    }

    // Named after the process that made them, the private temporary folders of
    // processes that have ended are removed at the next start; others stay.
    void privateFoldersOfEndedProcessesAreRemovedAtStart()
    {
        QTemporaryDir temporary;
        const QByteArray oldTmpDir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
        const auto restore = qScopeGuard([&oldTmpDir] {
            oldTmpDir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", oldTmpDir);
        });
        const pid_t ended = ::fork();
        if (ended == 0)
            ::_exit(0);
        QVERIFY(ended > 0 && ::waitpid(ended, nullptr, 0) == ended);
        const QString gone = QStringLiteral("vorn-%1-AbC123").arg(ended);
        const QStringList kept = {QStringLiteral("vorn-1-XyZ789"),  // a process that runs
                                  QStringLiteral("vorn-%1-other").arg(ended), QStringLiteral("vorn-%1").arg(ended)};
        const QDir base(temporary.path());
        for (const QString& name : kept + QStringList{gone})
            QVERIFY(base.mkpath(name + QStringLiteral("/1")));

        const auto started = StartApp();
        QStringList left = base.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(left, expected);
        const CPrivateTempDir::NewFolder own = started->app->PrivateTemp().MakeFolder();
        QVERIFY2(QFileInfo(own.path).path().startsWith(base.filePath(QStringLiteral("vorn-%1-").arg(::getpid()))),
                 qPrintable(own.path));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"

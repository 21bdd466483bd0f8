// The Extract, Options and About commands driven through the main window and
// their dialogs, with the results checked on disk.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "archive/archive_file.h"
#include "dialogs/about_dialog.h"
#include "dialogs/extract_dialog.h"
#include "dialogs/failure_report_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/overwrite_question.h"
#include "res/resource_ids.h"
#include "tests/core/catalogue_test_helpers.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_model.h"
#include "views/files_view.h"

#include <QAction>
#include <QCompleter>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStringListModel>
#include <QTest>

using namespace vorn;
using namespace vorn::testing;

namespace {

// Every folder ("NAME/") and file below root, sorted, relative to it.
QStringList Tree(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        paths << QDir(root).relativeFilePath(it.filePath()) + (it.fileInfo().isDir() ? QStringLiteral("/") : QString());
    }
    paths.sort();
    return paths;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the Extract dialog: types text over the offered folder (unless it
// is null) and presses OK, or Cancel.
void AnswerExtractDialog(const QString& text, bool ok = true)
{
    WhenModal<CExtractDialog>([text, ok](CExtractDialog* dialog) {
        if (!text.isNull())
            dialog->findChild<QLineEdit*>(QStringLiteral("IDC_PATH"))->setText(text);
        dialog->findChild<QPushButton*>(ok ? QStringLiteral("IDOK") : QStringLiteral("IDCANCEL"))->click();
    });
}

}  // namespace

class TestExtract : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApp> Start(const WriterTree& tree, const QString& name = QStringLiteral("game.pck"))
    {
        auto started = StartApp({QStringLiteral("vorn"), WriteArchive(m_archives, name, tree)});
        if (!started->started)
            qFatal("the application did not start");
        started->app->SetExtractDir(m_target.path());
        return started;
    }

    static const CDirNode& FolderAt(const StartedApp& started, const std::string& path)
    {
        const CDirNode* found = nullptr;
        ForEachFolder(started.app->Document()->GetArchive()->GetCatalogue(), [&](const CDirNode& folder) {
            if (folder.GetPath() == path)
                found = &folder;
        });
        if (!found)
            qFatal("no folder %s", path.c_str());
        return *found;
    }

    static void ExtractFromTree(StartedApp& started, const CDirNode* folder)
    {
        CMainFrame* frame = started.app->MainFrame();
        if (folder)
            frame->DirView()->SelectFolder(folder);
        else
            frame->DirView()->setCurrentIndex(frame->DirView()->model()->index(0, 0));
        frame->SetActiveView(frame->DirView());
        frame->CommandAction(res::ID_FILE_EXTRACT)->trigger();
        if (!WaitUntilIdle(started))
            qFatal("the extraction did not end");
    }

    // Shows folder in the list, selects the rows named, and extracts from the list.
    static void ExtractFromList(StartedApp& started, const CDirNode& folder, const QStringList& names)
    {
        CMainFrame* frame = started.app->MainFrame();
        frame->DirView()->SelectFolder(&folder);
        CFilesView* list = frame->FilesView();
        list->clearSelection();
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (names.contains(list->model()->index(row, 0).data().toString()))
                list->selectionModel()->select(list->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        frame->SetActiveView(list);
        frame->CommandAction(res::ID_FILE_EXTRACT)->trigger();
        if (!WaitUntilIdle(started))
            qFatal("the extraction did not end");
    }

    WriterTree Game()
    {
        return {{File("README", 5)},
                {Folder("DATA", {File("A.BIN", 3000), File("B.BIN", 10)},
                        {Folder("SUB", {File("C.BIN", 7)}), Folder("EMPTY", {})})}};
    }

    // DATA with F0 ... F199, and a file of the user's own standing as F0 in the
    // target, so that a run from the list stops at its first file to ask.
    std::unique_ptr<StartedApp> StartWithAQuestionFirst()
    {
        std::vector<WriterFile> files;
        for (int i = 0; i < 200; ++i) {
            files.push_back(File("F" + std::to_string(i), 8192));
            m_manyNames << QString::fromStdString(files.back().name);
        }
        auto started = Start({{}, {Folder("DATA", files)}});
        WriteMine(QStringLiteral("F0"));
        return started;
    }

    void WriteMine(const QString& name)
    {
        QFile mine(m_target.filePath(name));
        if (!mine.open(QIODevice::WriteOnly) || mine.write("mine") != 4)
            qFatal("could not write %s", qPrintable(mine.fileName()));
    }

    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;
    QTemporaryDir m_target;
    QStringList m_manyNames;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void cleanup() { ForgetPendingAnswers(); }
    void init()
    {
        m_settings->Clear();
        m_manyNames.clear();
        for (const QString& entry : QDir(m_target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            QFileInfo(m_target.filePath(entry)).isDir() ? QDir(m_target.filePath(entry)).removeRecursively()
                                                        : QFile::remove(m_target.filePath(entry));
    }

    void treeExtractsTheSelectedFolderWithEverythingBelowIt()
    {
        auto started = Start(Game());
        AnswerExtractDialog(QString());
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        QCOMPARE(Tree(m_target.path()), QStringList({"DATA/", "DATA/A.BIN", "DATA/B.BIN", "DATA/EMPTY/", "DATA/SUB/",
                                                     "DATA/SUB/C.BIN"}));
        QCOMPARE(Contents(m_target.filePath("DATA/A.BIN")), QByteArray(3000, 'x'));
        QCOMPARE(started->app->MainFrame()->StatusMessage(), QStringLiteral("3 files extracted"));
    }

    void treeArchiveItemExtractsTheWholeArchiveIntoAFolderOfItsName()
    {
        auto started = Start(Game(), QStringLiteral("game.pck"));
        AnswerExtractDialog(QString());
        ExtractFromTree(*started, nullptr);
        QCOMPARE(Tree(m_target.path()).first(), QStringLiteral("GAME.PCK/"));
        QVERIFY(Tree(m_target.path()).contains(QStringLiteral("GAME.PCK/README")));
        QVERIFY(Tree(m_target.path()).contains(QStringLiteral("GAME.PCK/DATA/SUB/C.BIN")));
    }

    void listExtractsSelectedFoldersAndFilesIntoTheTarget()
    {
        auto started = Start(Game());
        AnswerExtractDialog(QString());
        ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"B.BIN", "SUB"});
        QCOMPARE(Tree(m_target.path()), QStringList({"B.BIN", "SUB/", "SUB/C.BIN"}));

        // Extract Here: the same into the default folder, without asking; only while there is one.
        QDir(m_target.filePath(QStringLiteral("SUB"))).removeRecursively();
        QFile::remove(m_target.filePath(QStringLiteral("B.BIN")));
        QAction* here = started->app->MainFrame()->CommandAction(res::ID_FILE_EXTRACT_HERE);
        here->trigger();
        QVERIFY(WaitUntilIdle(*started));
        QCOMPARE(Tree(m_target.path()), QStringList({"B.BIN", "SUB/", "SUB/C.BIN"}));
        QCOMPARE(started->app->MainFrame()->StatusMessage(), QStringLiteral("2 files extracted"));
        QCOMPARE(here->text(), QStringLiteral("Extract to &Default Folder"));
        started->app->SetExtractDir(QString());
        QVERIFY(!here->isEnabled());
        QCOMPARE(here->toolTip(), QStringLiteral("No default folder is set: choose one in View > Options"));
    }

    void cancelInTheDialogChangesNothing()
    {
        auto started = Start(Game());
        const QString before = QDir::currentPath();
        AnswerExtractDialog(QStringLiteral("/somewhere/else"), false);
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        QVERIFY(Tree(m_target.path()).isEmpty());
        QCOMPARE(QDir::currentPath(), before);
        QCOMPARE(started->app->MainFrame()->StatusMessage(), QStringLiteral("Ready"));
    }

    void unreachableTargetIsReportedInEachPanesWordsWithTheReason()
    {
        auto started = Start(Game());
        WriteMine(QStringLiteral("plain"));
        // A file in the way is no folder to enter; a folder below a file cannot be made.
        const QString plain = m_target.filePath(QStringLiteral("plain"));
        const QString below = m_target.filePath(QStringLiteral("plain/below"));
        for (const QString& target : {plain, below}) {
            for (const bool fromTree : {true, false}) {
                QString shown;
                QString detail;
                AnswerExtractDialog(target);
                WhenModal<QMessageBox>([&shown, &detail](QMessageBox* box) {
                    shown = box->text();
                    detail = box->informativeText();
                    box->accept();
                });
                if (fromTree)
                    ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
                else
                    ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"SUB"});
                const bool treeWords = fromTree && target == plain;
                QCOMPARE(shown, (treeWords ? QStringLiteral("Could not change to directory ")
                                           : QStringLiteral("Could not create directory ")) + target);
                QCOMPARE(detail, QStringLiteral("Not a directory"));
            }
        }
        QCOMPARE(Tree(m_target.path()), QStringList{QStringLiteral("plain")});
    }

    // A missing target is made with its parents.
    void missingTargetIsMadeWithItsParents()
    {
        auto started = Start(Game());
        AnswerExtractDialog(m_target.filePath(QStringLiteral("new/deeper")));
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        QVERIFY(Tree(m_target.path()).contains(QStringLiteral("new/deeper/DATA/SUB/C.BIN")));
    }

    // A second run enters the folders the first made: files it finds are
    // asked about (with both sizes), and No to All keeps the rest unasked.
    void existingFolderIsMergedAskingAboutItsFiles()
    {
        auto started = Start(Game());
        AnswerExtractDialog(QString());
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        QFile::remove(m_target.filePath(QStringLiteral("DATA/SUB/C.BIN")));
        WriteMine(QStringLiteral("DATA/A.BIN"));
        WriteMine(QStringLiteral("DATA/B.BIN"));

        QStringList asked;
        AnswerExtractDialog(QString());
        WhenModal<COverwriteQuestion>([&asked](COverwriteQuestion* question) {
            asked << question->text() << question->informativeText();
            question->button(QMessageBox::NoToAll)->click();
        });
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        QCOMPARE(asked, (QStringList{"The file DATA/A.BIN already exists in the target folder.\n\nReplace it?",
                                     "Existing file: 4 bytes\nNew file: 2.9 KiB (3,000 bytes)"}));
        QCOMPARE(Contents(m_target.filePath(QStringLiteral("DATA/A.BIN"))), QByteArray("mine"));
        QCOMPARE(Contents(m_target.filePath(QStringLiteral("DATA/B.BIN"))), QByteArray("mine"));
        QCOMPARE(Contents(m_target.filePath(QStringLiteral("DATA/SUB/C.BIN"))), QByteArray(7, 'x'));
        QCOMPARE(started->app->MainFrame()->StatusMessage(), QStringLiteral("1 file extracted, 2 skipped"));
    }

    // The dialog says what it will extract, offers the last eight folders
    // extracted into, newest first, and has its folder selected, so that typing replaces it.
    void extractDialogSaysWhatAndOffersTheLastFolders()
    {
        auto started = Start(Game());
        for (int run = 1; run <= 9; ++run) {
            AnswerExtractDialog(m_target.filePath(QStringLiteral("T%1").arg(run)));
            ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"B.BIN"});
        }
        QString content;
        QStringList offered;
        QString selected;
        QString typed;
        WhenModal<CExtractDialog>([&](CExtractDialog* dialog) {
            content = dialog->findChild<QLabel*>(QStringLiteral("IDC_CONTENT"))->text();
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("IDC_PATH"));
            selected = box->selectedText();
            offered = qobject_cast<QStringListModel*>(box->completer()->model())->stringList();
            QTest::keyClicks(box, QStringLiteral("/x"));
            typed = box->text();
            dialog->reject();
        });
        ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"A.BIN", "B.BIN", "SUB"});
        QCOMPARE(content, QStringLiteral("Extract 2 files and 1 folder"));
        QCOMPARE(selected, m_target.path());
        QCOMPARE(typed, QStringLiteral("/x"));
        QStringList expected;
        for (int run = 9; run >= 2; --run)
            expected << m_target.filePath(QStringLiteral("T%1").arg(run));
        QCOMPARE(offered, expected);
    }

    void existingFileIsReplacedOnlyWhenTheUserSaysYes()
    {
        auto started = Start(Game());
        QFile mine(m_target.filePath(QStringLiteral("B.BIN")));
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QString asked;
            AnswerExtractDialog(QString());
            WhenModal<QMessageBox>([&asked, answer](QMessageBox* box) {
                asked = box->text();
                box->button(answer)->click();
            });
            ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"B.BIN"});
            QVERIFY(asked.contains(QStringLiteral("B.BIN")));
            QCOMPARE(Contents(m_target.filePath(QStringLiteral("B.BIN"))),
                     answer == QMessageBox::No ? QByteArray("mine") : QByteArray(10, 'x'));
        }
    }

    void failuresAreReportedTogetherAtTheEnd()
    {
        const auto pck = ArchiveFormat::Pck;
        const std::string bytes = FolderRecord(pck, "DATA", 48) + FileRecord(pck, "..", 1, 288) +
                                  FileRecord(pck, "PAST.BIN", 100, 288) + FileRecord(pck, "OK", 1, 288) +
                                  EndRecord(pck) + EndRecord(pck, 0) + "x";
        QFile file(m_archives.filePath(QStringLiteral("bad.pck")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        auto started = StartApp({QStringLiteral("vorn"), file.fileName()});
        started->app->SetExtractDir(m_target.path());

        QString report;
        AnswerExtractDialog(QString());
        WhenModal<CFailureReportDialog>([&report](CFailureReportDialog* dialog) {
            report = dialog->ReportText();
            dialog->accept();
        });
        ExtractFromTree(*started, &FolderAt(*started, "\\DATA"));
        const QStringList lines = report.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("Refused unsafe name \\DATA\\..")));
        QVERIFY(lines[1].startsWith(QStringLiteral("Could not read the data of DATA/PAST.BIN")));
        QCOMPARE(Tree(m_target.path()), QStringList({"DATA/", "DATA/OK"}));
        QCOMPARE(started->app->MainFrame()->StatusMessage(), QStringLiteral("2 failures — see the report"));
    }

    void cancelDuringTheRunLeavesOnlyWholeFiles()
    {
        std::vector<WriterFile> files;
        for (int i = 0; i < 4000; ++i)
            files.push_back(File("F" + std::to_string(i), 64 << 10));
        auto started = Start({{}, {Folder("BIG", files)}});

        AnswerExtractDialog(QString());
        // Cancel through the progress dialog once a second file is being written,
        // so the first is complete.
        QTimer poll;
        const QDir firstFolder(m_target.filePath(QStringLiteral("BIG")));
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* progress = started->app->MainFrame()->findChild<QProgressDialog*>();
            if (progress && firstFolder.entryList(QDir::Files | QDir::Hidden).size() >= 2) {
                progress->findChild<QPushButton*>()->click();
                poll.stop();
            }
        });
        poll.start(1);
        ExtractFromTree(*started, &FolderAt(*started, "\\BIG"));

        const QStringList written = Tree(m_target.path());
        QVERIFY2(written.size() > 1 && written.size() < 4001, qPrintable(QString::number(written.size())));
        for (const QString& path : written)
            if (!path.endsWith('/'))
                QCOMPARE(QFileInfo(m_target.filePath(path)).size(), qint64(64 << 10));
    }

    // The question waits over the progress dialog, which is on the screen by
    // then and shows the run's true totals. Also run on a real X desktop.
    void questionIsCentredOverTheProgressShowingTheTotals()
    {
        // The figures are the window's own, whatever the locale; the texts'
        // language is the one the window started in.
        auto started = Start(Game());
        const QLocale systemLocale;
        QLocale::setDefault(QLocale(QLocale::German));
        const auto restoreLocale = qScopeGuard([&systemLocale] { QLocale::setDefault(systemLocale); });
        WriteMine(QStringLiteral("A.BIN"));
        QProgressDialog* progress = nullptr;
        QString label;
        QPoint offset;
        bool active = false;
        AnswerExtractDialog(QString());
        WhenModal<COverwriteQuestion>([&](COverwriteQuestion* question) {
            progress = started->app->MainFrame()->findChild<QProgressDialog*>();
            if (progress && progress->isVisible()) {
                label = progress->labelText();
                offset = question->frameGeometry().center() - progress->frameGeometry().center();
                active = QTest::qWaitFor([question] { return question->isActiveWindow(); });
            }
            question->button(QMessageBox::No)->click();
        });
        ExtractFromList(*started, FolderAt(*started, "\\DATA"), {"A.BIN", "B.BIN"});
        QVERIFY2(!label.isEmpty(), "the progress dialog was not on the screen");
        QCOMPARE(label, QStringLiteral("Extracting A.BIN\n0 of 2 files, 0 bytes of 2.9 KiB"));
        // Qt centres a dialog's client area, allowing for a title bar: a corner is hundreds of pixels off.
        QVERIFY2(qAbs(offset.x()) <= 10 && qAbs(offset.y()) <= 40,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
        QVERIFY(active);
        QCOMPARE(Contents(m_target.filePath(QStringLiteral("A.BIN"))), QByteArray("mine"));
    }

    void commandsThatReplaceTheArchiveWaitForTheRun()
    {
        auto started = StartWithAQuestionFirst();
        CMainFrame& frame = *started->app->MainFrame();
        const int guarded[] = {res::ID_FILE_NEW, res::ID_FILE_OPEN, res::ID_FILE_CLOSE, res::ID_FILE_EXTRACT,
                               res::ID_FILE_MRU_FILE1};
        QStringList enabledDuringTheRun;
        AnswerExtractDialog(QString());
        WhenModal<COverwriteQuestion>([&](COverwriteQuestion* question) {
            for (int command : guarded)
                if (frame.CommandAction(command)->isEnabled())
                    enabledDuringTheRun << frame.CommandAction(command)->text();
            // Even a command that got past the guard leaves the run its archive.
            started->app->Document()->OnNewDocument();
            question->button(QMessageBox::YesToAll)->click();
        });
        QString report;
        WhenModal<CFailureReportDialog>([&report](CFailureReportDialog* dialog) {
            report = dialog->ReportText();
            dialog->accept();
        });
        ExtractFromList(*started, FolderAt(*started, "\\DATA"), m_manyNames);

        QCOMPARE(enabledDuringTheRun, QStringList());
        QCOMPARE(report, QString());
        QCOMPARE(Tree(m_target.path()).size(), 200);
        for (const QString& name : m_manyNames)
            QCOMPARE(Contents(m_target.filePath(name)), QByteArray(8192, 'x'));
        for (int command : {res::ID_FILE_NEW, res::ID_FILE_OPEN, res::ID_FILE_MRU_FILE1})
            QVERIFY(frame.CommandAction(command)->isEnabled());
        QVERIFY(!frame.CommandAction(res::ID_FILE_MRU_FILE2)->isEnabled());  // hidden, as before the run
        QVERIFY(!frame.CommandAction(res::ID_FILE_EXTRACT)->isEnabled());   // the archive has gone
    }

    void closingTheWindowDuringARunAsksThenStopsItAndClosesOnceItEnded()
    {
        auto started = StartWithAQuestionFirst();
        CMainFrame& frame = *started->app->MainFrame();
        QStringList asked;
        bool openAfterClose = false;
        bool questionAnswered = false;
        AnswerExtractDialog(QString());
        WhenModal<COverwriteQuestion>([&](COverwriteQuestion* question) {
            const QPointer<COverwriteQuestion> asking(question);
            // Kept running the first time, stopped the second.
            for (const QString& answer : {QStringLiteral("Keep Running"), QStringLiteral("Stop and Quit")}) {
                WhenModal<QMessageBox>([&asked, answer](QMessageBox* box) {
                    asked << box->text();
                    for (QAbstractButton* button : box->buttons())
                        if (button->text() == answer)
                            button->click();
                });
                frame.close();
            }
            openAfterClose = frame.isVisible();
            questionAnswered = !asking || !asking->isVisible();
            if (!questionAnswered)
                question->button(QMessageBox::No)->click();
        });
        ExtractFromList(*started, FolderAt(*started, "\\DATA"), m_manyNames);

        QCOMPARE(asked, QStringList(2, QStringLiteral("A run is going on. Stop it and quit?")));
        QVERIFY(openAfterClose);
        QVERIFY(questionAnswered);
        QTRY_VERIFY(!frame.isVisible());
        QCOMPARE(Tree(m_target.path()), QStringList{QStringLiteral("F0")});
        QCOMPARE(Contents(m_target.filePath(QStringLiteral("F0"))), QByteArray("mine"));
    }

    void optionsStoresTheFolderOnOkOnlyAndKeepsItForTheNextStart()
    {
        for (const auto& [text, ok, expected] : {std::tuple{QStringLiteral(" /data/out "), true, QStringLiteral(" /data/out ")},
                                                 std::tuple{QStringLiteral("/ignored"), false, QStringLiteral(" /data/out ")},
                                                 std::tuple{QString(""), true, QString("")}}) {
            {
                auto started = StartApp();
                WhenModal<COptionsDialog>([text = text, ok = ok](COptionsDialog* dialog) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("IDC_PATH"))->setText(text);
                    dialog->findChild<QPushButton*>(ok ? QStringLiteral("IDOK") : QStringLiteral("IDCANCEL"))->click();
                });
                started->app->MainFrame()->CommandAction(res::ID_VIEW_OPTIONS)->trigger();
                QCOMPARE(started->app->GetExtractDir(), expected);
            }
            const auto next = StartApp();
            QCOMPARE(next->app->GetExtractDir(), expected);
            QString offered;
            WhenModal<CExtractDialog>([&offered](CExtractDialog* dialog) {
                offered = dialog->findChild<QLineEdit*>(QStringLiteral("IDC_PATH"))->text();
                dialog->reject();
            });
            next->app->OnExtract({PaneSelection::Pane::List, nullptr, {}});
            QCOMPARE(offered, expected);
        }
    }

    void aboutOpensTheAboutBox()
    {
        const auto started = StartApp();
        bool shown = false;
        WhenModal<CAboutDialog>([&shown](CAboutDialog* dialog) {
            shown = dialog->windowTitle() == QStringLiteral("About Vorn...");
            dialog->accept();
        });
        started->app->MainFrame()->CommandAction(res::ID_APP_ABOUT)->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestExtract)
#include "test_extract.moc"

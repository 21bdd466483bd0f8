// vorn-screenshots ARCHIVE OUTDIR: renders the main window with ARCHIVE open
// and its root folder selected into OUTDIR/main.png. Run with QT_QPA_PLATFORM=offscreen;
// the settings go to a temporary folder, so the user's own stay untouched.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "views/dir_view.h"
#include "views/files_view.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv)
{
    QTemporaryDir settingsDir;
    qputenv("XDG_CONFIG_HOME", settingsDir.path().toLocal8Bit());
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: vorn-screenshots ARCHIVE OUTDIR\n", stderr);
        return 2;
    }
    vorn::StderrReporter reporter("vorn-screenshots");
    vorn::CVornApp app(&reporter);
    if (!app.InitInstance({QStringLiteral("vorn"), QString::fromLocal8Bit(argv[1])}))
        return 1;
    vorn::CMainFrame& frame = *app.MainFrame();
    if (!QTest::qWaitForWindowExposed(&frame))
        return 1;
    // The root folder: its sub-folders and its own files side by side.
    if (const vorn::CArchiveFile* archive = app.Document()->GetArchive(); archive && archive->GetRoot())
        frame.DirView()->SelectFolder(archive->GetRoot());
    frame.FilesView()->selectionModel()->select(frame.FilesView()->model()->index(0, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QApplication::processEvents();

    const QString outPath = QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("main.png"));
    if (!frame.grab().save(outPath)) {
        std::fprintf(stderr, "vorn-screenshots: could not write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}

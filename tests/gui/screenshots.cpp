// vorn-screenshots ARCHIVE OUTDIR: renders the main window with ARCHIVE (the
// demo archive) open into OUTDIR: main.png (the top folder, a row selected),
// sorted.png (a folder by size, largest first, with exact sizes), filter.png (a typed filter),
// search.png (whole-archive results), context-menu.png, properties.png, the
// preview of a picture, a text and other data (preview-image.png,
// preview-text.png, preview-hex.png), encoding.png (a name read as
// Windows-1251) and test-report.png (Test Archive on damaged.pck, found beside
// ARCHIVE).
// Run with QT_QPA_PLATFORM=offscreen; the settings go to a temporary folder,
// so the user's own stay untouched.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "app/vorn_app.h"
#include "archive/archive_file.h"
#include "dialogs/properties_dialog.h"
#include "dialogs/report_dialog.h"
#include "res/resource_ids.h"
#include "views/dir_view.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "views/preview_pane.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

bool Save(const QImage& image, const QDir& outDir, const char* name)
{
    const QString path = outDir.filePath(QLatin1String(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "vorn-screenshots: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

const vorn::CDirNode* FolderAt(const vorn::CArchiveFile& archive, const std::string& path)
{
    const vorn::CDirNode* found = nullptr;
    ForEachFolder(archive.GetCatalogue(), [&](const vorn::CDirNode& folder) {
        if (folder.GetPath() == path)
            found = &folder;
    });
    return found;
}

void SelectRowNamed(vorn::CFilesView& list, const QString& name)
{
    for (int row = 0; row < list.model()->rowCount(); ++row)
        if (list.model()->index(row, 0).data().toString() == name)
            list.selectRow(row);
}

// Runs show, which opens a popup or a modal dialog, and grabs that window
// (over the main window for a popup) once it is up.
QImage GrabWhileOpen(vorn::CMainFrame& frame, const std::function<void()>& show)
{
    QImage image;
    QTimer::singleShot(50, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            image = frame.grab().toImage();
            QPainter painter(&image);
            painter.drawPixmap(frame.mapFromGlobal(popup->pos()), popup->grab());
            popup->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            image = dialog->grab().toImage();
            dialog->reject();
        }
    });
    show();
    return image;
}

// Runs show, which ends in a modal T, and grabs T once it is up.
template <typename T>
QImage GrabDialog(const std::function<void()>& show)
{
    QImage image;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll.stop();
            QApplication::processEvents();
            image = dialog->grab().toImage();
            dialog->reject();
        }
    });
    poll.start(20);
    show();
    return image;
}

}  // namespace

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
    const vorn::CArchiveFile* archive = app.Document()->GetArchive();
    if (!QTest::qWaitForWindowExposed(&frame) || !archive || !archive->GetRoot())
        return 1;
    const QDir outDir(QString::fromLocal8Bit(argv[2]));
    vorn::CDirView& tree = *frame.DirView();
    vorn::CFilesView& list = *frame.FilesView();
    vorn::CFilesPane& pane = *frame.FilesPane();
    const auto shot = [&frame] {
        QApplication::processEvents();
        return frame.grab().toImage();
    };

    // The root folder: its sub-folders and its own files side by side.
    tree.SelectFolder(archive->GetRoot());
    list.selectRow(0);
    bool saved = Save(shot(), outDir, "main.png");

    // With the exact sizes that the header's menu can add.
    tree.SelectFolder(FolderAt(*archive, "\\DATA\\MAPS"));
    list.setColumnHidden(vorn::BytesColumn, false);
    list.horizontalHeader()->setSortIndicator(vorn::SizeColumn, Qt::DescendingOrder);
    saved = Save(shot(), outDir, "sorted.png") && saved;
    list.horizontalHeader()->setSortIndicator(vorn::ListSort::kCatalogueOrder, Qt::AscendingOrder);
    list.setColumnHidden(vorn::BytesColumn, true);

    pane.FilterBox()->setFocus();
    QTest::keyClicks(pane.FilterBox(), QStringLiteral("level0?"));
    saved = Save(shot(), outDir, "filter.png") && saved;

    QSignalSpy found(list.model(), &QAbstractItemModel::modelReset);
    pane.FilterBox()->setText(QStringLiteral(".txt"));
    pane.WholeArchiveSwitch()->setChecked(true);
    found.wait(5000);
    saved = Save(shot(), outDir, "search.png") && saved;

    tree.SelectFolder(FolderAt(*archive, "\\DATA\\GFX"));
    SelectRowNamed(list, QStringLiteral("TITLE.BMP"));
    const QPoint row = list.visualRect(list.currentIndex()).center();
    saved = Save(GrabWhileOpen(frame, [&] { emit list.customContextMenuRequested(row); }), outDir,
                 "context-menu.png") &&
            saved;

    tree.SelectFolder(FolderAt(*archive, "\\DATA\\SOUND\\MUSIC"));
    SelectRowNamed(list, QStringLiteral("THEME.MID"));
    saved = Save(GrabWhileOpen(frame, [&] { frame.CommandAction(vorn::res::ID_FILE_PROPERTIES)->trigger(); }), outDir,
                 "properties.png") &&
            saved;

    // The preview beside the list, as in a wide window.
    frame.resize(1120, 620);
    frame.CommandAction(vorn::res::ID_VIEW_PREVIEW)->setChecked(true);
    vorn::CPreviewPane& preview = *frame.PreviewPane();
    const auto previewOf = [&](const char* folder, const char* name) {
        QSignalSpy shown(&preview, &vorn::CPreviewPane::ContentShown);
        tree.SelectFolder(FolderAt(*archive, folder));
        SelectRowNamed(list, QString::fromUtf8(name));
        if (shown.isEmpty())
            shown.wait(5000);
        return shot();
    };
    saved = Save(previewOf("\\DATA\\GFX", "TITLE.BMP"), outDir, "preview-image.png") && saved;
    saved = Save(previewOf("\\DATA\\TEXT", "INTRO.TXT"), outDir, "preview-text.png") && saved;
    saved = Save(previewOf("\\DATA\\SOUND", "CLICK.WAV"), outDir, "preview-hex.png") && saved;

    // Right after choosing Windows-1251: the name its bytes were written in.
    frame.CommandAction(vorn::res::ID_VIEW_PREVIEW)->setChecked(false);
    frame.resize(760, 520);
    for (QAction* action : frame.CommandAction(vorn::res::ID_VIEW_NAME_ENCODING)->menu()->actions())
        if (action->text() == QLatin1String("Windows-1251"))
            action->trigger();
    archive = app.Document()->GetArchive();
    tree.SelectFolder(FolderAt(*archive, "\\DATA\\TEXT"));
    SelectRowNamed(list, QString::fromUtf8("\u0427\u0418\u0422\u0410\u0419.TXT"));
    saved = Save(shot(), outDir, "encoding.png") && saved;

    const QString damaged = QFileInfo(QString::fromLocal8Bit(argv[1])).dir().filePath(QStringLiteral("damaged.pck"));
    if (!app.OpenDocumentFile(damaged))
        return 1;
    saved = Save(GrabDialog<vorn::CReportDialog>(
                     [&] { frame.CommandAction(vorn::res::ID_FILE_TEST)->trigger(); }),
                 outDir, "test-report.png") &&
            saved;
    return saved ? 0 : 1;
}

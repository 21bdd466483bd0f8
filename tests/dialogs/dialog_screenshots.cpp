// Saves a picture of each dialog: vorn_dialog_screenshots OUTDIR writes
// extract.png, options.png, chooser.png and about.png into OUTDIR.

#include "dialogs/about_dialog.h"
#include "dialogs/folder_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/extract_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

bool SaveShot(QWidget& dialog, const QDir& outDir, const QString& name)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    const QString path = outDir.filePath(name);
    const bool saved = dialog.grab().save(path);
    QTextStream(saved ? stdout : stderr) << (saved ? "wrote " : "cannot write ") << path << Qt::endl;
    return saved;
}

// A folder with a few sub-folders and a file (which the chooser must not list).
bool FillSampleFolder(const QDir& folder)
{
    for (const char* name : {"DATA", "MUSIC", "SOUND", "TEXTURES"}) {
        if (!folder.mkpath(QLatin1String(name)))
            return false;
    }
    QFile file(folder.filePath(QStringLiteral("readme.txt")));
    return file.open(QIODevice::WriteOnly);
}

bool SaveChooserShot(const QDir& outDir)
{
    QTemporaryDir sample;
    if (!sample.isValid() || !FillSampleFolder(QDir(sample.path())))
        return false;
    QString chosen;
    vorn::CFolderDialog chooser(&chosen);
    chooser.setDirectory(sample.path());
    chooser.show();
    auto* list = chooser.findChild<QListView*>(QStringLiteral("listView"));
    // The file system model fills the list in the background.
    const bool listed = QTest::qWaitFor([list] { return list && list->model()->rowCount(list->rootIndex()) == 4; });
    // ... and sorts it a moment later.
    QTest::qWait(300);
    return listed && SaveShot(chooser, outDir, QStringLiteral("chooser.png"));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    if (argc != 2) {
        QTextStream(stderr) << "usage: vorn_dialog_screenshots OUTDIR" << Qt::endl;
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!outDir.mkpath(QStringLiteral(".")))
        return 1;

    const QString sampleTarget = QStringLiteral("/home/player/Extracted");
    vorn::CExtractDialog extract(sampleTarget);
    vorn::COptionsDialog options(sampleTarget);
    vorn::CAboutDialog about;
    const bool ok = SaveShot(extract, outDir, QStringLiteral("extract.png"))
                    && SaveShot(options, outDir, QStringLiteral("options.png")) && SaveChooserShot(outDir)
                    && SaveShot(about, outDir, QStringLiteral("about.png"));
    return ok ? 0 : 1;
}

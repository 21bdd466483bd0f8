#include "tests/gui/gui_test_support.h"

#include "app/busy_state.h"
#include "app/main_frame.h"
#include "views/dir_view.h"
#include "views/files_view.h"

#include <QAbstractItemModelTester>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <stdexcept>

namespace vorn::testing {

SettingsSandbox::SettingsSandbox()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
}

void SettingsSandbox::Clear() const
{
    QSettings settings;
    settings.clear();
    settings.sync();
}

WriterFile File(std::string name, std::size_t size)
{
    WriterFile file;
    file.name = std::move(name);
    file.data.assign(size, 'x');
    return file;
}

WriterFolder Folder(std::string name, std::vector<WriterFile> files, std::vector<WriterFolder> folders)
{
    return WriterFolder{std::move(name), std::move(files), std::move(folders)};
}

QString WriteArchive(const QTemporaryDir& folder, const QString& fileName, const WriterTree& tree)
{
    const QString path = folder.filePath(fileName);
    const ArchiveFormat format = fileName.endsWith(QLatin1String(".dir"), Qt::CaseInsensitive) ? ArchiveFormat::Dir
                                                                                                : ArchiveFormat::Pck;
    const std::string bytes = BuildArchive(format, tree);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                                static_cast<qint64>(bytes.size()))
        throw std::runtime_error("could not write " + path.toStdString());
    return path;
}

std::unique_ptr<StartedApp> StartApp(const QStringList& arguments)
{
    auto started = std::make_unique<StartedApp>();
    started->app = std::make_unique<CVornApp>(&started->reporter);
    started->started = started->app->InitInstance(arguments);
    if (CMainFrame* frame = started->app->MainFrame()) {
        for (QAbstractItemModel* model : {frame->DirView()->model(), frame->FilesView()->model()})
            new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
    }
    return started;
}

DesktopCatcher::DesktopCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
}

DesktopCatcher::~DesktopCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void ForgetPendingAnswers()
{
    qDeleteAll(qApp->findChildren<QTimer*>(kWhenModalTimer, Qt::FindDirectChildrenOnly));
}

bool WaitUntilIdle(const StartedApp& started)
{
    return QTest::qWaitFor([&started] { return !started.app->MainFrame()->Busy().IsBusy(); }, 60000);
}

int OpenDescriptorsOf(const QString& path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    int count = 0;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo& link : descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        if (link.symLinkTarget() == wanted)
            ++count;
    return count;
}

}  // namespace vorn::testing

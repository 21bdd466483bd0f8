#include "app/vorn_app.h"

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "archive/archive_file.h"
#include "dialogs/about_dialog.h"
#include "dialogs/options_dialog.h"
#include "app/drag_out.h"
#include "app/edit_commands.h"
#include "app/save_command.h"
#include "app/write_job.h"
#include "dialogs/report_dialog.h"
#include "extract/extraction_engine.h"
#include "views/figures.h"
#include "write/describe_write_problem.h"
#include "write/folder_pack.h"
#include "edit/pending_archive.h"
#include "extract/item_lookup.h"
#include "app/extract_command.h"
#include "app/load_report.h"
#include "app/open_command.h"
#include "app/busy_state.h"
#include "app/reread_job.h"
#include "app/window_layout.h"
#include "res/images.h"
#include "views/files_pane.h"
#include "views/files_view.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/dir_view.h"
#include "framework/version.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <utility>
#include <cstring>

namespace vorn {
namespace {

const QString kExtractDirKey = QStringLiteral("Settings/ExtractDir");
// Each archive's name encoding other than the default, by absolute path.
const QString kNameEncodingsKey = QStringLiteral("Settings/NameEncodings");

QString RememberedNameEncoding(const QString& path)
{
    return QSettings()
        .value(kNameEncodingsKey)
        .toMap()
        .value(QFileInfo(path).absoluteFilePath(), QString::fromStdString(kDefaultNameEncoding))
        .toString();
}

void RememberNameEncoding(const QString& path, const QString& encoding)
{
    QSettings settings;
    QVariantMap encodings = settings.value(kNameEncodingsKey).toMap();
    if (encoding == QString::fromStdString(kDefaultNameEncoding))
        encodings.remove(QFileInfo(path).absoluteFilePath());
    else
        encodings.insert(QFileInfo(path).absoluteFilePath(), encoding);
    settings.setValue(kNameEncodingsKey, encodings);
}

// The folder's place in the tree, as the row of each folder from the top down.
std::vector<std::size_t> RowsOf(const CDirNode* folder)
{
    std::vector<std::size_t> rows;
    for (; folder; folder = folder->m_parent)
        rows.insert(rows.begin(), folder->m_row);
    return rows;
}

// The folder at rows in catalogue, which has the tree the rows were taken from.
const CDirNode* FolderAtRows(const Catalogue& catalogue, const std::vector<std::size_t>& rows)
{
    const CDirNode* folder = nullptr;
    for (const std::size_t row : rows) {
        const auto& children = catalogue.FoldersOf(folder);
        if (row >= children.size())
            return nullptr;
        folder = children[row].get();
    }
    return folder;
}

// The folder the Open dialog was last left in; it starts there next time.
const QString kOpenFolderKey = QStringLiteral("Settings/OpenFolder");

QString ChooseArchive(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, res::LoadString(res::IDS_OPEN_CAPTION),
                                        QSettings().value(kOpenFolderKey).toString(),
                                        res::LoadString(res::IDS_OPEN_FILTER));
}

QString ChooseSaveAsTarget(QWidget* parent, const QString& current)
{
    return QFileDialog::getSaveFileName(parent, QObject::tr("Save As"), current,
                                        QObject::tr("PCK archives (*.pck);;DIR archives (*.dir)"));
}

CVornApp::NewArchivePaths ChooseNewArchive(QWidget* parent)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, QObject::tr("New Archive from Folder"));
    if (folder.isEmpty())
        return {};
    return {folder, ChooseSaveAsTarget(parent, folder + QStringLiteral(".pck"))};
}

// What kept a new archive from being written, a row each.
void ReportRefusals(QWidget* parent, const QString& archive, const WriteProblems& problems)
{
    QList<QStringList> rows;
    for (const WriteProblem& problem : problems) {
        const Message message = DescribeWriteProblem(problem);
        rows.append({QString::fromStdString(problem.path), QString::fromStdString(message.text),
                     QString::fromStdString(message.detail)});
    }
    CReportDialog(QObject::tr("New archive %1").arg(QDir::toNativeSeparators(archive)),
                  QObject::tr("Nothing was written: %1.")
                      .arg(Counted(problems.size(), QT_TRANSLATE_NOOP("Counted", "problem"),
                                   QT_TRANSLATE_NOOP("Counted", "problems"))),
                  {QObject::tr("Path"), QObject::tr("Problem"), QObject::tr("Why")}, rows, parent)
        .exec();
}

Message NoFormatMessage(const QString& path)
{
    return {QObject::tr("Will not write %1").arg(QDir::toNativeSeparators(path)).toStdString(),
            QObject::tr("the name must end in .pck or .dir, which gives the format").toStdString()};
}

QMessageBox::StandardButton AskToSaveChanges(QWidget* parent, const QString& archive)
{
    return QMessageBox::question(parent, QApplication::applicationName(),
                                 QObject::tr("Save the pending changes to %1?").arg(archive),
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

// The path of the folder selected in the tree and of the first row selected, as the pending changes name them.
struct ShownPlace {
    std::string folder;
    std::string row;
};

ShownPlace PlaceShown(const CMainFrame& frame, const PendingArchive& pending)
{
    ShownPlace place;
    const QModelIndex current = frame.DirView()->currentIndex();
    if (const CDirNode* folder = current.isValid() ? frame.DirView()->Model().FolderAt(current) : nullptr)
        place.folder = pending.PathOf(PendingItem::Folder(*folder));
    const QModelIndexList rows = frame.FilesView()->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        place.row = pending.PathOf(frame.FilesView()->Model().PendingItemAt(rows.front().row()));
    return place;
}

}  // namespace

// The window speaks the system's language where a translation is at hand,
// Qt's own dialogs and buttons too; the texts in the sources are English.
void InstallTranslations()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    auto* own = new QTranslator(qApp);
    if (own->load(QLocale(), QStringLiteral("vorn"), QStringLiteral("_"), QStringLiteral(":/vorn/translations")))
        QCoreApplication::installTranslator(own);
    auto* qt = new QTranslator(qApp);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

CVornApp::CVornApp(MessageReporter* reporter)
    : m_reporter(reporter ? *reporter : m_messageBoxes), m_openFileChooser(ChooseArchive), m_dragHandOver(StartDrag),
      m_unsavedQuestion(AskToSaveChanges), m_saveAsChooser(ChooseSaveAsTarget), m_newArchiveChooser(ChooseNewArchive)
{
    InstallTranslations();
    // The title names the settings and captions every message box.
    QCoreApplication::setApplicationName(res::LoadString(res::AFX_IDS_APP_TITLE));
    QGuiApplication::setWindowIcon(res::ApplicationIcon());
    // Wayland matches the window to the installed menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorn.Vorn"));
}

CVornApp::~CVornApp() = default;

std::optional<int> CVornApp::AnswerVersion(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(version);
    if (!parser.parse(arguments) || !parser.isSet(version))
        return std::nullopt;
    if (std::printf("vorn %s\n", kVersion) < 0 || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "vorn: Could not write to standard output (%s)\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

bool CVornApp::InitInstance(const QStringList& arguments)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vorn"));
    m_recentFiles.Load();
    m_strExtractDir = QSettings().value(kExtractDirKey, QString()).toString();
    CPrivateTempDir::RemoveLeftovers();

    QCommandLineParser parser;
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error =
            parser.errorText().isEmpty() ? QStringLiteral("Only one archive can be opened.") : parser.errorText();
        std::fprintf(stderr, "vorn: %s\nusage: vorn [ARCHIVE]\n", qPrintable(error));
        return false;
    }

    CreateDocumentAndFrame();
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        OnFileNew();
    else if (!OpenDocumentFile(paths.front()))
        return false;

    m_frame->show();
    return true;
}

void CVornApp::CreateDocumentAndFrame()
{
    m_document = std::make_unique<CMorvathDoc>(m_reporter);
    m_frame = std::make_unique<CMainFrame>(*m_document);
    RestoreWindowLayout(*m_frame, *m_frame->Splitter(), *m_frame->FilesView());
    m_messageBoxes.SetParent(m_frame.get());
    const auto route = [this](int commandId, void (CVornApp::*handler)()) {
        connect(m_frame->CommandAction(commandId), &QAction::triggered, this, handler);
    };
    route(res::ID_APP_ABOUT, &CVornApp::OnAppAbout);
    route(res::ID_VIEW_OPTIONS, &CVornApp::OnOptions);
    route(res::ID_FILE_NEW, &CVornApp::OnFileNew);
    route(res::ID_FILE_CLOSE, &CVornApp::OnFileNew);  // the archive let go, as New does
    route(res::ID_FILE_OPEN, &CVornApp::OnFileOpen);
    route(res::ID_FILE_SAVE, &CVornApp::OnFileSave);
    route(res::ID_FILE_SAVE_AS, &CVornApp::OnFileSaveAs);
    route(res::ID_FILE_NEW_FROM_FOLDER, &CVornApp::OnNewArchiveFromFolder);
    m_frame->SetCloseGuard([this] { return MayLeaveArchive(); });
    connect(m_frame.get(), &CMainFrame::RecentFileRequested, this, &CVornApp::OnOpenRecentFile);
    connect(m_frame.get(), &CMainFrame::NameEncodingRequested, this, &CVornApp::OnNameEncoding);
    connect(m_frame.get(), &CMainFrame::ExtractRequested, this, &CVornApp::OnExtract);
    connect(m_frame.get(), &CMainFrame::ExtractHereRequested, this, &CVornApp::OnExtractHere);
    connect(m_frame.get(), &CMainFrame::DragRequested, this, &CVornApp::OnDragOut);
    connect(m_frame.get(), &CMainFrame::ArchiveDropped, this, &CVornApp::OnArchiveDropped);
    m_frame->SetExtractHereAvailable(!m_strExtractDir.isEmpty());
    connect(m_frame.get(), &CMainFrame::FileOpenRequested, this, &CVornApp::OnOpenFile);
    UpdateRecentFileMenu();
}

void CVornApp::SetExtractDir(const QString& folder)
{
    m_strExtractDir = folder;
    if (m_frame)
        m_frame->SetExtractHereAvailable(!folder.isEmpty());
    QSettings().setValue(kExtractDirKey, folder);
}

bool CVornApp::OpenDocumentFile(const QString& path)
{
    if (!m_document->OnOpenDocument(path, RememberedNameEncoding(path).toStdString()))
        return false;
    ShowOpened(path);
    return true;
}

void CVornApp::ShowOpened(const QString& path)
{
    m_frame->Edits().Update();
    m_frame->SetNameEncoding(QString::fromStdString(m_document->GetArchive()->GetNameEncoding()));
    // It opens empty and without a message box, as an archive of neither kind always has; the status bar says why.
    const bool noFormat = m_document->GetArchive()->GetFormat() == ArchiveFormat::None;
    m_frame->ShowArchiveNotice(noFormat ? res::LoadString(res::IDS_NO_FORMAT) : QString());
    m_recentFiles.Add(path);
    UpdateRecentFileMenu();
}

void CVornApp::OnNameEncoding(const QString& encoding)
{
    // The archive read anew has none of the changes made to the one shown.
    if (!MayLeaveArchive()) {
        m_frame->SetNameEncoding(QString::fromStdString(m_document->GetArchive()->GetNameEncoding()));
        return;
    }
    std::shared_ptr<const CArchiveFile> current = m_document->SharedArchive();
    std::optional<NameDecoder> names = NameDecoder::For(encoding.toStdString());
    if (!current || !names)
        return;
    const PaneSelection shown = m_frame->DirView()->CurrentSelection();
    const bool inFolder = !shown.items.empty() && shown.items.front().kind == ExtractionItem::Kind::Folder;
    const std::vector<std::size_t> rows = inFolder ? RowsOf(shown.items.front().folder) : std::vector<std::size_t>{};

    auto* job = new CRereadJob(std::move(current), std::move(*names), m_reporter);
    connect(job, &CRereadJob::finished, this, [this, encoding, rows](std::shared_ptr<const CArchiveFile> reread) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(reread->GetPathName()));
        if (!reread->IsOpen()) {
            m_reporter.ShowMessage(OpenFailure(*reread, QDir::toNativeSeparators(path).toStdString()));
            m_frame->SetNameEncoding(QString::fromStdString(m_document->GetArchive()->GetNameEncoding()));
            return;
        }
        m_document->ReplaceArchive(reread);
        m_frame->DirView()->SelectFolder(FolderAtRows(reread->GetCatalogue(), rows));
        m_frame->SetNameEncoding(encoding);
        RememberNameEncoding(path, encoding);
    });
    m_frame->Busy().Run(job);
}

void CVornApp::OnAppAbout()
{
    CAboutDialog(m_frame.get()).exec();
}

void CVornApp::OnOptions()
{
    COptionsDialog dialog(m_strExtractDir, m_frame.get());
    if (dialog.DoModal())
        SetExtractDir(dialog.GetPath());
}

void CVornApp::OnExtract(const PaneSelection& request)
{
    StartExtractCommand(m_frame.get(), m_frame->Busy(), request, m_strExtractDir,
                        [this](const ExtractionResult& result) { m_frame->ShowRunOutcome(OutcomeText(result)); });
}

void CVornApp::OnExtractHere(const PaneSelection& request)
{
    if (m_strExtractDir.isEmpty())
        return;
    StartExtractionInto(m_frame.get(), m_frame->Busy(), request, m_strExtractDir,
                        [this](const ExtractionResult& result) { m_frame->ShowRunOutcome(OutcomeText(result)); });
}

void CVornApp::OnOpenFile(std::shared_ptr<const CArchiveFile> archive, std::uint32_t entry)
{
    StartOpenWithDesktop(m_frame.get(), m_frame->Busy(), std::move(archive), entry, m_temporary);
}

void CVornApp::OnDragOut(const PaneSelection& request)
{
    const CPrivateTempDir::NewFolder folder = m_temporary.MakeFolder();
    if (!folder.error.isEmpty()) {
        ShowMessageBox(m_frame.get(),
                       {tr("Could not drag the rows out").toStdString(),
                        tr("No private temporary folder: %1").arg(folder.error).toStdString()});
        return;
    }
    StartExtractionInto(m_frame.get(), m_frame->Busy(), request, folder.path,
                        [this, folder = folder.path](const ExtractionResult& result) {
                            // Half a hand-over is no hand-over: what the run came to is in its report and the status
                            // bar.
                            if (result.cancelled || FailureCount(result) > 0) {
                                m_frame->ShowRunOutcome(OutcomeText(result));
                                QDir(folder).removeRecursively();
                                return;
                            }
                            m_frame->ShowRunOutcome({});  // the files went into a temporary folder: no outcome to tell
                            m_dragHandOver(m_frame->FilesView(), HandOverData(folder));
                        });
}

void CVornApp::OnArchiveDropped(const QString& path)
{
    if (MayLeaveArchive())
        OpenDocumentFile(path);
}

void CVornApp::OnFileNew()
{
    if (!MayLeaveArchive())
        return;
    m_document->OnNewDocument();
    m_frame->ShowArchiveNotice({});
    m_frame->Edits().Update();
}

void CVornApp::OnFileOpen()
{
    if (!MayLeaveArchive())
        return;
    const QString path = m_openFileChooser(m_frame.get());
    if (path.isEmpty())
        return;
    QSettings().setValue(kOpenFolderKey, QFileInfo(path).absolutePath());
    OpenDocumentFile(path);
}

void CVornApp::OnOpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.Paths().size())
        return;
    const QString path = m_recentFiles.Paths()[index];
    if (!MayLeaveArchive())
        return;
    // A file that can no longer be opened leaves the list.
    if (!OpenDocumentFile(path)) {
        m_recentFiles.Remove(index);
        UpdateRecentFileMenu();
    }
}

void CVornApp::OnFileSave()
{
    const CArchiveFile* archive = m_document->GetArchive();
    if (!archive)
        return;
    if (!m_document->IsModified()) {
        m_frame->statusBar()->showMessage(res::LoadString(res::IDS_NOTHING_TO_SAVE), 4000);
        return;
    }
    SaveTo(QFile::decodeName(QByteArray::fromStdString(archive->GetPathName())), archive->GetFormat());
}

void CVornApp::OnFileSaveAs()
{
    const CArchiveFile* archive = m_document->GetArchive();
    if (!archive)
        return;
    const QString path =
        m_saveAsChooser(m_frame.get(), QFile::decodeName(QByteArray::fromStdString(archive->GetPathName())));
    if (path.isEmpty())
        return;
    const ArchiveFormat format = FormatFromPath(QFile::encodeName(path).toStdString());
    if (format == ArchiveFormat::None) {
        ShowMessageBox(m_frame.get(), NoFormatMessage(path));
        return;
    }
    SaveTo(path, format);
}

void CVornApp::OnNewArchiveFromFolder()
{
    if (!MayLeaveArchive())
        return;
    const NewArchivePaths paths = m_newArchiveChooser(m_frame.get());
    if (paths.folder.isEmpty() || paths.archive.isEmpty())
        return;
    const std::string archive = QFile::encodeName(paths.archive).toStdString();
    const ArchiveFormat format = FormatFromPath(archive);
    if (format == ArchiveFormat::None) {
        ShowMessageBox(m_frame.get(), NoFormatMessage(paths.archive));
        return;
    }
    auto task = [folder = QFile::encodeName(paths.folder).toStdString(), archive, format](WriteObserver& observer) {
        NameEncoder names = *NameEncoder::For(kDefaultNameEncoding);
        TreeToPack pack = PackFolder(folder, archive, format, names);
        if (!pack.problems.empty())
            return WriteResult{std::move(pack.problems), {}};
        // The Save dialog asked before an existing file is replaced.
        return WriteArchive(pack.tree, names, {}, {format, DefaultExtractionJobs(), &observer},
                            {archive, ExistingFile::Replace});
    };
    const QString target = paths.archive;
    m_frame->Busy().Run(new CWriteJob(m_frame.get(), tr("Packing %1...").arg(QDir::toNativeSeparators(paths.folder)),
                                      std::move(task), [this, target](const WriteResult& result) {
                                          if (result.problems.empty())
                                              OpenDocumentFile(target);
                                          else if (result.problems.front().kind != WriteProblemKind::Stopped)
                                              ReportRefusals(m_frame.get(), target, result.problems);
                                      }));
}

bool CVornApp::SaveTo(const QString& path, ArchiveFormat format)
{
    PendingArchive& pending = *m_document->Pending();
    const ShownPlace place = PlaceShown(*m_frame, pending);
    std::shared_ptr<const CArchiveFile> saved;
    QEventLoop waiting;
    StartSave(m_frame.get(), m_frame->Busy(), pending, path, format, m_reporter,
              [&](std::shared_ptr<const CArchiveFile> archive) {
                  saved = std::move(archive);
                  waiting.quit();
              });
    waiting.exec();
    if (!saved)
        return false;
    if (!saved->IsOpen()) {
        m_reporter.ShowMessage(OpenFailure(*saved, QDir::toNativeSeparators(path).toStdString()));
        return false;
    }
    m_document->ReplaceArchive(saved);
    RememberNameEncoding(path, QString::fromStdString(saved->GetNameEncoding()));
    ShowOpened(path);
    // The folder and row shown before, now read from the saved archive.
    const Catalogue& catalogue = m_document->GetArchive()->GetCatalogue();
    if (const auto folder = FindItem(catalogue, place.folder); folder && folder->kind == ExtractionItem::Kind::Folder)
        m_frame->DirView()->SelectFolder(folder->folder);
    if (const auto row = FindItem(catalogue, place.row))
        m_frame->FilesPane()->Reveal(*row);
    m_frame->ShowRunOutcome(tr("Saved %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool CVornApp::MayLeaveArchive()
{
    if (!m_document->IsModified())
        return true;
    const QString name = QFile::decodeName(QByteArray::fromStdString(m_document->GetArchive()->GetFileName()));
    switch (m_unsavedQuestion(m_frame.get(), name)) {
    case QMessageBox::Save:
        return SaveTo(QFile::decodeName(QByteArray::fromStdString(m_document->GetArchive()->GetPathName())),
                      m_document->GetArchive()->GetFormat());
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void CVornApp::UpdateRecentFileMenu()
{
    if (m_frame)
        m_frame->SetRecentFiles(m_recentFiles.Paths());
}

}  // namespace vorn

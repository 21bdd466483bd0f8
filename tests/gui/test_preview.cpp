// The preview: how an entry shows (picture, text or hex), the pane following
// the list, and the hex dump of a huge sparse entry read only where it is shown.

#include "app/main_frame.h"
#include "app/morvath_doc.h"
#include "archive/archive_file.h"
#include "res/resource_ids.h"
#include "tests/core/catalogue_test_helpers.h"
#include "tests/gui/gui_test_support.h"
#include "views/dir_view.h"
#include "views/files_view.h"
#include "views/hex_view.h"
#include "views/preview_pane.h"

#include <QAction>
#include <QBuffer>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

using namespace vorn;
using namespace vorn::testing;

namespace {

std::string Encoded(const char* format, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// An uncompressed true-colour TGA: no signature at its start, the footer of
// TGA 2.0 (which Qt's reader needs) at its end.
std::string Tga(int width, int height)
{
    std::string bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<char>(width), 0,
                         static_cast<char>(height), 0, 24, 0x20};
    bytes.append(static_cast<std::size_t>(width * height * 3), '\x40');
    return bytes + std::string(8, '\0') + std::string("TRUEVISION-XFILE.", 18);
}

const std::string kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00!\xF9\x04\x01\x00\x00\x00\x00,"
                       "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;",
                       43);

WriterFile Data(std::string name, std::string data)
{
    return {std::move(name), std::move(data), "", 0};
}

}  // namespace

class TestPreview : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SettingsSandbox> m_settings;
    QTemporaryDir m_archives;
    CollectingReporter m_reporter;

private slots:
    void initTestCase() { m_settings = std::make_unique<SettingsSandbox>(); }
    void init() { m_settings->Clear(); }

    void entriesShowAsPicturesTextOrHex()
    {
        const std::string big = std::string((1 << 20) - 1, 'a') + "\xC3\xA9tc";  // é cut by the first MiB
        const WriterTree tree{
            {Data("TITLE.BMP", Encoded("BMP", 3, 2)), Data("LOGO.PNG", Encoded("PNG", 4, 5)),
             Data("PHOTO.JPG", Encoded("JPEG", 8, 8)), Data("ANIM.GIF", kGif), Data("SKY.TGA", Tga(2, 3)),
             Data("SKY.DAT", Tga(2, 3)), Data("BROKEN.PNG", "\x89PNG\r\n\x1A\n\x01\x02"),
             Data("BMX.TXT", "BMX bikes\r\n"), Data("UTF8.TXT", "Caf\xC3\xA9 \xE2\x9C\x93\n"),
             Data("CP1252.TXT", "Caf\xE9 cr\xEApes\r\n"), Data("DATA.BIN", std::string("\x00\x01\x02\xFF", 4)),
             Data("EMPTY", ""), Data("BIG.TXT", big)},
            {}};
        const CArchiveFile archive(WriteArchive(m_archives, QStringLiteral("kinds.pck"), tree).toStdString(),
                                   m_reporter);
        using Kind = PreviewContent::Kind;
        struct Expected {
            Kind kind;
            QString format;  // the picture's, or the text's encoding
            QSize size;      // the picture's
        };
        const Expected expected[] = {
            {Kind::Image, "BMP", {3, 2}},   {Kind::Image, "PNG", {4, 5}},     {Kind::Image, "JPEG", {8, 8}},
            {Kind::Image, "GIF", {1, 1}},   {Kind::Image, "TGA", {2, 3}},     {Kind::Hex, "", {}},
            {Kind::Hex, "", {}},            {Kind::Text, "ASCII", {}},        {Kind::Text, "UTF-8", {}},
            {Kind::Text, "Windows-1252", {}}, {Kind::Hex, "", {}},            {Kind::Empty, "", {}},
            {Kind::Text, "UTF-8", {}},
        };
        for (std::uint32_t entry = 0; entry < std::size(expected); ++entry) {
            const PreviewContent content = LoadPreview(archive, entry, false);
            const QString name = QString::fromStdString(archive.Entries()[entry].m_name);
            QVERIFY2(content.kind == expected[entry].kind, qPrintable(name));
            const QString format = content.encoding ? TextEncodingName(*content.encoding) : content.imageFormat;
            QCOMPARE(format, expected[entry].format);
            QCOMPARE(content.image.size(), expected[entry].kind == Kind::Image ? expected[entry].size : QSize(0, 0));
        }
        QVERIFY(LoadPreview(archive, 6, false).note.startsWith(QStringLiteral("Not a readable PNG picture")));
        QCOMPARE(LoadPreview(archive, 8, false).text, QStringLiteral("Caf\u00E9 \u2713\n"));
        QCOMPARE(LoadPreview(archive, 9, false).text, QStringLiteral("Caf\u00E9 cr\u00EApes\r\n"));
        const PreviewContent cut = LoadPreview(archive, 12, false);
        QCOMPARE(cut.text.size(), (1 << 20) - 1);  // the character cut in two is left out
        QCOMPARE(cut.stored, std::uint64_t{big.size()});
        // The switch makes anything hex, without reading it.
        QVERIFY(LoadPreview(archive, 0, true).kind == Kind::Hex);

        // Data past the archive's end: nothing, or the part that is there.
        const std::string catalogue = FolderRecord(ArchiveFormat::Pck, "D", 48) +
                                      FileRecord(ArchiveFormat::Pck, "GONE.TXT", 5, 1000) +
                                      FileRecord(ArchiveFormat::Pck, "HALF.TXT", 10, 240) +
                                      EndRecord(ArchiveFormat::Pck) + EndRecord(ArchiveFormat::Pck, 0);
        QFile file(m_archives.filePath(QStringLiteral("short.pck")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(catalogue + "half!"));
        file.close();
        const CArchiveFile truncated(file.fileName().toStdString(), m_reporter);
        QVERIFY(LoadPreview(truncated, 0, false).kind == Kind::PastEnd);
        QVERIFY(LoadPreview(truncated, 0, true).kind == Kind::PastEnd);
        const PreviewContent half = LoadPreview(truncated, 1, false);
        QVERIFY(half.kind == Kind::Text);
        QCOMPARE(half.text, QStringLiteral("half!"));
        QCOMPARE(half.stored, std::uint64_t{5});
    }

    void paneFollowsTheListRemembersItsPlaceAndSwitchesToHex()
    {
        const QString path = WriteArchive(m_archives, QStringLiteral("game.pck"),
                                          {{}, {Folder("DATA", {Data("README.TXT", "Hello\n"),
                                                                Data("TITLE.BMP", Encoded("BMP", 3, 2))},
                                                       {Folder("SUB", {})})}});
        auto started = StartApp({QStringLiteral("vorn"), path});
        CMainFrame& frame = *started->app->MainFrame();
        CPreviewPane& preview = *frame.PreviewPane();
        CFilesView& list = *frame.FilesView();
        // Off at first start: the window is the two panes until F3.
        QVERIFY(preview.isHidden());
        QVERIFY(!frame.CommandAction(res::ID_VIEW_PREVIEW)->isChecked());
        frame.CommandAction(res::ID_VIEW_PREVIEW)->trigger();
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.CurrentPage(), CPreviewPane::Page::Hint);
        frame.DirView()->SelectFolder(started->app->Document()->GetArchive()->GetRoot());
        QSignalSpy shown(&preview, &CPreviewPane::ContentShown);
        const auto selectRow = [&](int row) {
            list.setCurrentIndex(list.model()->index(row, 0));
            return row == 0 || shown.wait();  // row 0, the folder, reads nothing
        };

        QVERIFY(selectRow(1));
        QCOMPARE(preview.CurrentPage(), CPreviewPane::Page::Text);
        QCOMPARE(preview.InfoText(), QStringLiteral("Text, ASCII, 6 bytes"));
        QCOMPARE(preview.TextView()->toPlainText(), QStringLiteral("Hello\n"));
        QVERIFY(selectRow(2));
        QCOMPARE(preview.CurrentPage(), CPreviewPane::Page::Image);
        QVERIFY(preview.InfoText().startsWith(QStringLiteral("BMP picture, 3 × 2 pixels, ")));
        preview.HexSwitch()->click();
        QVERIFY(shown.wait());
        QCOMPARE(preview.CurrentPage(), CPreviewPane::Page::Hex);
        QTRY_VERIFY(preview.HexView()->VisibleText().value(0).startsWith(QStringLiteral("00000000  42 4D ")));
        QVERIFY(selectRow(0));
        QCOMPARE(preview.CurrentPage(), CPreviewPane::Page::Hint);

        // Wide windows have it beside the list, narrow ones below.
        auto* splitter = qobject_cast<QSplitter*>(preview.parentWidget());
        frame.resize(1200, 600);
        QCOMPARE(splitter->orientation(), Qt::Horizontal);
        frame.resize(700, 600);
        QCOMPARE(splitter->orientation(), Qt::Vertical);

        // F3 hides it for this run and the next; shown again, it reads what is selected.
        QAction& toggle = *frame.CommandAction(res::ID_VIEW_PREVIEW);
        QCOMPARE(toggle.shortcut(), QKeySequence(Qt::Key_F3));
        toggle.trigger();
        QVERIFY(preview.isHidden());
        const auto shownBefore = shown.count();
        list.setCurrentIndex(list.model()->index(1, 0));
        QTest::qWait(50);
        QCOMPARE(shown.count(), shownBefore);
        started = StartApp({QStringLiteral("vorn"), path});
        QVERIFY(started->app->MainFrame()->PreviewPane()->isHidden());
        started->app->MainFrame()->CommandAction(res::ID_VIEW_PREVIEW)->trigger();
        QVERIFY(started->app->MainFrame()->PreviewPane()->isVisible());
    }

    void hexOfAHugeSparseEntryReadsOnlyTheRowsShown()
    {
        // One entry of nearly 4 GiB, all holes but for a marker deep inside.
        constexpr std::uint32_t kSize = 0xFFFFFFF0u;
        constexpr std::uint32_t kDataStart = 4096;
        constexpr std::uint64_t kMarker = 0x12345670;
        QFile file(m_archives.filePath(QStringLiteral("huge.pck")));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(FolderRecord(ArchiveFormat::Pck, "DATA", 48) +
                                             FileRecord(ArchiveFormat::Pck, "HUGE.BIN", kSize, kDataStart) +
                                             EndRecord(ArchiveFormat::Pck) + EndRecord(ArchiveFormat::Pck, 0)));
        QVERIFY(file.resize(std::int64_t{kDataStart} + kSize));
        QVERIFY(file.seek(kDataStart + kMarker));
        file.write("MARKER");
        file.close();
        auto archive = std::make_shared<const CArchiveFile>(file.fileName().toStdString(), m_reporter);
        QVERIFY(archive->GetCatalogue().anomalies.empty());
        const std::shared_ptr<const ByteSource> source(archive, &archive->Source());

        CHexView view;
        view.resize(640, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetEntry(source, archive->Entries()[0], kSize);
        const CHexBlocks& blocks = view.Blocks();
        QCOMPARE(blocks.RowCount(), std::uint64_t{kSize / 16});

        // A row not read yet shows its offset alone, then its bytes.
        CHexBlocks far;
        far.SetEntry(source, archive->Entries()[0], kSize);
        QCOMPARE(HexRowText(far.RowAt(kMarker / 16)).trimmed(), QStringLiteral("12345670"));
        QSignalSpy arrived(&far, &CHexBlocks::BlocksArrived);
        far.Want(kMarker / 16, kMarker / 16 + 30);
        QVERIFY(arrived.wait());
        QCOMPARE(HexRowText(far.RowAt(kMarker / 16)),
                 QStringLiteral("12345670  4D 41 52 4B 45 52 00 00  00 00 00 00 00 00 00 00  MARKER.........."));
        // Rows all over the entry: the cache stays small.
        for (std::uint64_t row = 0; row < blocks.RowCount(); row += blocks.RowCount() / 100) {
            far.Want(row, row + 30);
            QVERIFY(arrived.wait());
            QVERIFY(far.RowAt(row).read);
        }
        QVERIFY(far.CachedBlocks() <= CHexBlocks::kCachedBlocks);

        // The view's scroll bar reaches the last row.
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.FirstVisibleRow() + std::uint64_t(view.VisibleRows()), blocks.RowCount());
        QTRY_VERIFY(view.VisibleText().constLast().startsWith(QStringLiteral("FFFFFFE0  00 00 00 00")));
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.FirstVisibleRow(), std::uint64_t{0});
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"

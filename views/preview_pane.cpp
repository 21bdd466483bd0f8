#include "views/preview_pane.h"

#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "views/figures.h"
#include "views/hex_view.h"
#include "views/image_view.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace vorn {
namespace {

// Reading that takes longer than this shows "Reading..." meanwhile.
constexpr int kReadingDelayMs = 150;

QString Bytes(std::uint64_t count)
{
    return ByteCountText(count);
}

}  // namespace

CPreviewPane::CPreviewPane(QWidget* parent)
    : QWidget(parent),
      m_name(new QLabel(this)),
      m_hexSwitch(new QToolButton(this)),
      m_info(new QLabel(this)),
      m_note(new QLabel(this)),
      m_pages(new QStackedWidget(this)),
      m_hint(new QLabel(tr("Select a file to see what it holds."), m_pages)),
      m_message(new QLabel(m_pages)),
      m_image(new CImageView(m_pages)),
      m_text(new QPlainTextEdit(m_pages)),
      m_hex(new CHexView(m_pages))
{
    setObjectName(QStringLiteral("CPreviewPane"));
    setAccessibleName(tr("Preview"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_hexSwitch->setText(tr("He&x"));
    m_hexSwitch->setCheckable(true);
    m_hexSwitch->setToolTip(tr("Show every file as a hex dump (Alt+X)"));
    m_hexSwitch->setAccessibleName(tr("Show as hex"));
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #a04000"));
    m_note->hide();
    for (QLabel* label : {m_hint, m_message}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setMargin(12);
    }
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(tr("Text"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The order of Page.
    for (QWidget* page : std::initializer_list<QWidget*>{m_hint, m_message, m_image, m_text, m_hex})
        m_pages->addWidget(page);

    auto* top = new QHBoxLayout;
    top->addWidget(m_name, 1);
    top->addWidget(m_hexSwitch);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_info);
    layout->addWidget(m_note);
    layout->addWidget(m_pages, 1);

    m_readingDelay.setSingleShot(true);
    m_readingDelay.setInterval(kReadingDelayMs);
    connect(&m_readingDelay, &QTimer::timeout, this, [this] {
        m_message->setText(tr("Reading..."));
        ShowPage(Page::Message, {});
    });
    connect(m_hexSwitch, &QToolButton::toggled, this, &CPreviewPane::Load);
    ShowEntry(std::nullopt);
}

void CPreviewPane::SetArchive(std::shared_ptr<const PendingArchive> archive)
{
    m_archive = std::move(archive);
    m_entry.reset();
    m_hex->SetEntry(nullptr, {}, 0);
    m_text->clear();
    m_image->SetImage({});
    Load();
}

void CPreviewPane::ShowEntry(std::optional<std::uint32_t> entry)
{
    if (entry == m_entry && entry)
        return;
    m_entry = entry;
    Load();
}

void CPreviewPane::Refresh()
{
    Load();
}

CPreviewPane::Page CPreviewPane::CurrentPage() const
{
    return static_cast<Page>(m_pages->currentIndex());
}

QString CPreviewPane::InfoText() const
{
    return m_info->text();
}

QString CPreviewPane::NoteText() const
{
    return m_note->isHidden() ? QString() : m_note->text();
}

const QImage& CPreviewPane::Image() const
{
    return m_image->Image();
}

void CPreviewPane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale)
        Load();
}

void CPreviewPane::Load()
{
    m_worker.Cancel();  // what was asked for before no longer counts
    m_stale = isHidden();
    if (m_stale)
        return;  // until the pane is shown again
    if (!m_archive || !m_entry) {
        m_readingDelay.stop();
        m_name->clear();
        ShowPage(Page::Hint, {});
        return;
    }
    const FileEntry& entry = m_archive->File(*m_entry);
    m_name->setText(QString::fromStdString(entry.m_name));
    const PickedFile* picked = m_archive->MarkOf(PendingItem::File(*m_entry)).source;
    m_name->setToolTip(picked ? QString::fromStdString(picked->path)
                              : QString::fromStdString(m_archive->PathOf(PendingItem::File(*m_entry))));
    // A file a pending change brings in shows from disk, as it will be saved.
    FileEntry shown = entry;
    std::shared_ptr<const CArchiveFile> archive = m_archive->Saved();
    std::optional<std::string> diskPath;
    if (picked) {
        shown.m_offset = 0;
        diskPath = picked->path;
    }
    m_readingDelay.start();
    m_worker.Post([this, archive = std::move(archive), diskPath = std::move(diskPath), shown,
                   forceHex = m_hexSwitch->isChecked()](
                      const CBackgroundWorker::Ticket&) -> CBackgroundWorker::Delivery {
        std::shared_ptr<const ByteSource> source =
            diskPath ? std::make_shared<const FileByteSource>(*diskPath)
                     : std::shared_ptr<const ByteSource>(archive, &archive->Source());
        PreviewContent content = LoadPreview(*source, shown, forceHex);
        return [this, source = std::move(source), shown, content = std::move(content)]() mutable {
            m_shown = shown;
            Show(std::move(source), std::move(content));
        };
    });
}

void CPreviewPane::Show(std::shared_ptr<const ByteSource> source, PreviewContent content)
{
    m_readingDelay.stop();
    const FileEntry& entry = m_shown;
    QString note = content.note;
    if (content.stored < content.size && content.stored > 0)
        note = tr("Only the first %1 of %2 lie inside the archive; the rest is past its end.")
                   .arg(GroupedNumber(content.stored), Bytes(content.size));

    switch (content.kind) {
    case PreviewContent::Kind::Empty:
        m_message->setText(tr("The file is empty."));
        ShowPage(Page::Message, Bytes(0));
        break;
    case PreviewContent::Kind::PastEnd:
        m_message->setText(tr("The data of this file lies past the end of the archive: there is nothing to show."));
        ShowPage(Page::Message,
                 tr("%1 at offset %2; the archive holds %3")
                     .arg(Bytes(content.size), GroupedNumber(entry.m_offset), Bytes(source->Size())));
        break;
    case PreviewContent::Kind::Image:
        m_image->SetImage(content.image);
        ShowPage(Page::Image,
                 tr("%1 picture, %2 × %3 pixels, %4")
                     .arg(content.imageFormat, GroupedNumber(static_cast<std::uint64_t>(content.image.width())),
                          GroupedNumber(static_cast<std::uint64_t>(content.image.height())), Bytes(content.size)),
                 note);
        break;
    case PreviewContent::Kind::Text: {
        m_text->setPlainText(content.text);
        const QString encoding = QString::fromLatin1(TextEncodingName(*content.encoding));
        ShowPage(Page::Text,
                 content.stored > PreviewContent::kTextLimit
                     ? tr("Text, %1, the first 1 MiB of %2").arg(encoding, Bytes(content.size))
                     : tr("Text, %1, %2").arg(encoding, Bytes(content.size)),
                 note);
        break;
    }
    case PreviewContent::Kind::Hex:
        m_hex->SetEntry(std::move(source), entry, content.stored);
        ShowPage(Page::Hex, tr("%1, shown as hex").arg(Bytes(content.size)), note);
        break;
    }
    emit ContentShown();
}

void CPreviewPane::ShowPage(Page page, const QString& info, const QString& note)
{
    m_pages->setCurrentIndex(static_cast<int>(page));
    m_info->setText(info);
    m_info->setVisible(!info.isEmpty());
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    // What the other pages held is let go: a large text or picture costs memory.
    if (page != Page::Text)
        m_text->clear();
    if (page != Page::Image)
        m_image->SetImage({});
    if (page != Page::Hex)
        m_hex->SetEntry(nullptr, {}, 0);
}

}  // namespace vorn

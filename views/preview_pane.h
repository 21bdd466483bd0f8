#pragma once

#include "archive/file_entry.h"
#include "framework/background_worker.h"
#include "views/preview_content.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;

namespace vorn {

class ByteSource;
class CHexView;
class PendingArchive;
class CImageView;

// The preview: what the file selected in the list holds, as a picture, as
// text or as a hex dump, read on a worker thread that holds its own share of
// the archive (or of the file on disk that a pending change brings in). Only
// the newest selection is shown; a "Reading..." line stands
// in when reading takes a moment.
class CPreviewPane final : public QWidget {
    Q_OBJECT

public:
    enum class Page { Hint, Message, Image, Text, Hex };

    explicit CPreviewPane(QWidget* parent = nullptr);

    // Shows nothing until an entry of the new archive is asked for.
    void SetArchive(std::shared_ptr<const PendingArchive> archive);
    // Reads the entry shown anew: a pending change may have replaced it.
    void Refresh();
    // The entry to preview; nothing (no file selected) shows the hint. A
    // hidden pane reads it once it is shown.
    void ShowEntry(std::optional<std::uint32_t> entry);

    Page CurrentPage() const;
    // The line above the content: kind, format, dimensions or encoding, size.
    QString InfoText() const;
    // The line about what cannot be shown, if any.
    QString NoteText() const;
    QToolButton* HexSwitch() const { return m_hexSwitch; }
    CHexView* HexView() const { return m_hex; }
    QPlainTextEdit* TextView() const { return m_text; }
    const QImage& Image() const;

signals:
    // The content of the entry asked for last is on the screen.
    void ContentShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Load();
    void Show(std::shared_ptr<const ByteSource> source, PreviewContent content);
    void ShowPage(Page page, const QString& info, const QString& note = {});

    std::shared_ptr<const PendingArchive> m_archive;
    std::optional<std::uint32_t> m_entry;
    FileEntry m_shown;  // the entry read last, as it is in its source
    bool m_stale = false;  // asked for while hidden: read when shown
    CBackgroundWorker m_worker{CBackgroundWorker::Results::NewestOnly};  // a late answer is dropped
    QTimer m_readingDelay;
    QLabel* m_name;
    QToolButton* m_hexSwitch;
    QLabel* m_info;
    QLabel* m_note;
    QStackedWidget* m_pages;
    QLabel* m_hint;
    QLabel* m_message;
    CImageView* m_image;
    QPlainTextEdit* m_text;
    CHexView* m_hex;
};

}  // namespace vorn

#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace vorn {

// The status bar's own panes, left to right: the message pane, what the list
// shows ("5 folders, 2 files, 82 bytes") and what of it is selected ("3
// selected, 1.2 MiB"). The message pane says "Ready" unless a run's outcome
// or why the archive shows nothing stands there; command prompts show over it.
// An outcome goes as soon as the list changes, a notice with its archive.
class CStatusPanes final : public QObject {
    Q_OBJECT

public:
    explicit CStatusPanes(QStatusBar& statusBar);

    void ShowListSummary(const QString& content, const QString& selection);
    void ShowOutcome(const QString& outcome);
    void ShowArchiveNotice(const QString& notice);
    // The message pane's text while no prompt covers it.
    QString MessageText() const;

private:
    void UpdateMessage();
    static void ShowIn(QLabel& pane, const QString& text);

    QLabel* m_message;
    QLabel* m_content;
    QLabel* m_selection;
    QString m_ready;
    QString m_outcome;
    QString m_notice;
};

}  // namespace vorn

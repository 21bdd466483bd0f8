#include "app/status_panes.h"

#include "res/resource_ids.h"
#include "res/strings.h"

#include <QLabel>
#include <QStatusBar>

namespace vorn {

CStatusPanes::CStatusPanes(QStatusBar& statusBar)
    : QObject(&statusBar),
      m_message(new QLabel(&statusBar)),
      m_content(new QLabel(&statusBar)),
      m_selection(new QLabel(&statusBar)),
      m_ready(res::LoadString(res::AFX_IDS_IDLEMESSAGE))
{
    // Each pane's name is its text, which is what assistive technology reads
    // out; the description says which pane it is.
    m_message->setAccessibleDescription(tr("Message"));
    m_content->setAccessibleDescription(tr("Folder summary"));
    m_selection->setAccessibleDescription(tr("Selection summary"));
    statusBar.addWidget(m_message, 1);
    statusBar.addPermanentWidget(m_content);
    statusBar.addPermanentWidget(m_selection);
    ShowListSummary({}, {});
}

void CStatusPanes::ShowListSummary(const QString& content, const QString& selection)
{
    // An empty pane would still show its frame.
    ShowIn(*m_content, content);
    m_content->setVisible(!content.isEmpty());
    ShowIn(*m_selection, selection);
    m_selection->setVisible(!selection.isEmpty());
    m_outcome.clear();
    UpdateMessage();
}

void CStatusPanes::ShowOutcome(const QString& outcome)
{
    m_outcome = outcome;
    UpdateMessage();
}

void CStatusPanes::ShowArchiveNotice(const QString& notice)
{
    m_notice = notice;
    m_outcome.clear();
    UpdateMessage();
}

QString CStatusPanes::MessageText() const
{
    return m_message->text();
}

void CStatusPanes::UpdateMessage()
{
    ShowIn(*m_message, !m_outcome.isEmpty() ? m_outcome : !m_notice.isEmpty() ? m_notice : m_ready);
}

void CStatusPanes::ShowIn(QLabel& pane, const QString& text)
{
    pane.setText(text);
    pane.setAccessibleName(text);
}

}  // namespace vorn

#include "dialogs/link_static.h"

#include "dialogs/link_open_error.h"
#include "framework/message_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace vorn {

CLinkStatic::CLinkStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent), m_clrHover(palette().color(QPalette::Highlight)), m_strUrl(text)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setToolTip(m_strUrl);
    SetUnderlined(m_bUnderlined);
    UpdateTextColour();
}

void CLinkStatic::SetLinkUrl(const QString& url)
{
    m_strUrl = url;
    setToolTip(m_strUrl);
    FitToText();
}

void CLinkStatic::SetVisitedState(bool visited)
{
    m_bVisited = visited;
    UpdateTextColour();
}

void CLinkStatic::SetUnderlined(bool underlined)
{
    m_bUnderlined = underlined;
    QFont linkFont = font();
    linkFont.setUnderline(m_bUnderlined);
    setFont(linkFont);
    FitToText();
}

void CLinkStatic::FitToText()
{
    resize(fontMetrics().size(Qt::TextSingleLine, text()));
}

void CLinkStatic::enterEvent(QEnterEvent* event)
{
    m_bHover = true;
    UpdateTextColour();
    QLabel::enterEvent(event);
}

void CLinkStatic::leaveEvent(QEvent* event)
{
    m_bHover = false;
    UpdateTextColour();
    QLabel::leaveEvent(event);
}

void CLinkStatic::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OnClicked();
    else
        QLabel::mouseReleaseEvent(event);
}

void CLinkStatic::OnClicked()
{
    const bool opened = QDesktopServices::openUrl(QUrl(m_strUrl));
    SetVisitedState(opened);
    if (!opened) {
        QApplication::beep();
        ShowOpenError(kLinkNoAssociation);
    }
}

void CLinkStatic::ShowOpenError(int code)
{
    ShowMessageBox(window(),
                   Message{tr("Unable to open hyperlink:").toStdString() + "\n\n" + LinkOpenErrorText(code), {}},
                   QMessageBox::Warning);
}

void CLinkStatic::UpdateTextColour()
{
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, m_bHover ? m_clrHover : m_bVisited ? m_clrVisited : m_clrNormal);
    setPalette(textPalette);
}

}  // namespace vorn

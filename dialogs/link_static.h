#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace vorn {

// A static text that works as a hyperlink: link colours (normal, visited, and
// the highlight colour while the mouse is over it), an underlined font, a hand
// cursor and a tooltip with its target. It shrinks to its text, so only the
// text itself is clickable. A click opens the target; a failure beeps and says
// why in a message box.
class CLinkStatic final : public QLabel {
    Q_OBJECT

public:
    // The target starts as the text itself.
    explicit CLinkStatic(const QString& text, QWidget* parent = nullptr);

    void SetLinkUrl(const QString& url);
    void SetVisitedState(bool visited);
    void SetUnderlined(bool underlined);

    // Keeps the top-left corner and takes exactly the text's size.
    void FitToText();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnClicked();
    void ShowOpenError(int code);
    void UpdateTextColour();

    const QColor m_clrNormal{0, 0, 238};
    const QColor m_clrVisited{85, 26, 139};
    const QColor m_clrHover;
    bool m_bHover = false;
    bool m_bVisited = false;
    bool m_bUnderlined = true;
    QString m_strUrl;
};

}  // namespace vorn

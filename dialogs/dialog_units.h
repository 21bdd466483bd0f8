#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

namespace vorn {

// Lays dialogs out in dialog units, so that they keep their proportions with
// any font: a horizontal unit is a quarter of the font's average character
// width, a vertical unit an eighth of its line height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    QSize ToPixels(QSize units) const;
    QRect ToPixels(const QRect& units) const;

    // Gives widget the geometry of its template rectangle.
    void Place(QWidget& widget, const QRect& units) const;

private:
    int m_baseWidth;
    int m_baseHeight;
};

}  // namespace vorn

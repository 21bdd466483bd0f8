#include "dialogs/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace vorn {

namespace {

// x * numerator / denominator, rounded to the nearest integer.
int ScaleRounded(int x, int numerator, int denominator)
{
    return (2 * x * numerator + denominator) / (2 * denominator);
}

// Average width of the 52 Latin letters, rounded: the base unit dialog
// templates are measured in.
int AverageCharWidth(const QFontMetrics& metrics)
{
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_baseWidth = AverageCharWidth(metrics);
    m_baseHeight = metrics.height();
}

QSize CDialogUnits::ToPixels(QSize units) const
{
    return {ScaleRounded(units.width(), m_baseWidth, 4), ScaleRounded(units.height(), m_baseHeight, 8)};
}

QRect CDialogUnits::ToPixels(const QRect& units) const
{
    return {QPoint(ScaleRounded(units.x(), m_baseWidth, 4), ScaleRounded(units.y(), m_baseHeight, 8)),
            ToPixels(units.size())};
}

void CDialogUnits::Place(QWidget& widget, const QRect& units) const
{
    widget.setGeometry(ToPixels(units));
}

}  // namespace vorn

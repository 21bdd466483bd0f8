#include "views/image_view.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vorn {
namespace {

constexpr int kMargin = 6;
constexpr double kLargestZoom = 8;

}  // namespace

CImageView::CImageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CImageView"));
    setAccessibleName(tr("Picture"));
    setMinimumSize(32, 32);
}

void CImageView::SetImage(const QImage& image)
{
    m_image = image;
    m_pixmap = QPixmap::fromImage(image);
    update();
}

QRect CImageView::PictureRect() const
{
    if (m_pixmap.isNull())
        return {};
    const QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double fit = std::min(double(room.width()) / m_pixmap.width(), double(room.height()) / m_pixmap.height());
    const double zoom = fit >= 1 ? std::min(std::floor(fit), kLargestZoom) : fit;
    const QSize size(std::max(1, int(m_pixmap.width() * zoom)), std::max(1, int(m_pixmap.height() * zoom)));
    QRect picture(QPoint(), size);
    picture.moveCenter(room.center());
    return picture;
}

void CImageView::paintEvent(QPaintEvent*)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    const QRect picture = PictureRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, picture.width() < m_pixmap.width());
    painter.drawPixmap(picture, m_pixmap);
}

}  // namespace vorn

#pragma once

#include <QPixmap>
#include <QWidget>

namespace vorn {

// A picture centred in the widget and scaled to fit it: smaller pictures grow
// by whole factors with sharp pixels (game art is often tiny), larger ones
// shrink smoothly; the proportions always stay.
class CImageView final : public QWidget {
    Q_OBJECT

public:
    explicit CImageView(QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    const QImage& Image() const { return m_image; }
    // Where the picture is drawn, in the widget's coordinates.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    QPixmap m_pixmap;
};

}  // namespace vorn

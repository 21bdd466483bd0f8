#include "views/pane_activity.h"

#include <QAbstractItemView>
#include <QApplication>

namespace vorn {

void ShowAsActivePane(QAbstractItemView& view, bool active)
{
    if (active) {
        view.setPalette(QPalette());  // inherit again
        return;
    }
    QPalette muted = QApplication::palette(&view);
    const QColor grey = muted.color(QPalette::Active, QPalette::Window).darker(120);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        muted.setColor(group, QPalette::Highlight, grey);
        muted.setColor(group, QPalette::HighlightedText, muted.color(group, QPalette::Text));
    }
    view.setPalette(muted);
}

}  // namespace vorn

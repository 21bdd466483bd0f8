#include "app/window_layout.h"

#include "app/main_frame.h"
#include "views/files_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>

#include <algorithm>

namespace vorn {
namespace {

const QString kGeometryKey = QStringLiteral("Layout/Geometry");
const QString kScreenKey = QStringLiteral("Layout/Screen");
const QString kStateKey = QStringLiteral("Layout/State");
const QString kSplitterKey = QStringLiteral("Layout/Splitter");
const QString kColumnsKey = QStringLiteral("Layout/Columns");
const QString kSortColumnKey = QStringLiteral("Layout/SortColumn");
const QString kSortDescendingKey = QStringLiteral("Layout/SortDescending");

bool ScreenExists(const QString& name)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return true;
    return false;
}

// What the frame adds to the window's size: known once it has been shown;
// before, a title bar as the style draws one and borders of a few pixels.
QSize FrameExtra(const QWidget& window)
{
    constexpr int kBorder = 4;
    const QSize known = window.frameGeometry().size() - window.size();
    if (!known.isEmpty())
        return known;
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {2 * kBorder, titleBar + 2 * kBorder};
}

// No larger than what its screen has room for, frame included: a scale factor
// of 2 halves the room a saved or the first size was made for.
void FitToScreen(QWidget& window, const QRect& available)
{
    window.resize(window.size().boundedTo(available.size() - FrameExtra(window)));
}

void CentreOnPrimaryScreen(QWidget& window)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    FitToScreen(window, available);
    QRect frame = window.frameGeometry();
    frame.moveCenter(available.center());
    window.move(frame.topLeft());
}

// Fitted, and moved back where it reaches past its screen's edges.
void KeepOnScreen(QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    FitToScreen(window, available);
    QRect frame = window.frameGeometry();
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    if (frame.topLeft() != window.frameGeometry().topLeft())
        window.move(frame.topLeft());
}

}  // namespace

void SaveWindowLayout(const CMainFrame& frame)
{
    QSettings settings;
    settings.setValue(kGeometryKey, frame.saveGeometry());
    settings.setValue(kScreenKey, frame.screen()->name());
    settings.setValue(kStateKey, frame.saveState());
    settings.setValue(kSplitterKey, frame.Splitter()->saveState());
    settings.setValue(kColumnsKey, frame.FilesView()->SaveHeaderState());
    const ListSort sort = frame.FilesView()->Sort();
    settings.setValue(kSortColumnKey, sort.column);
    settings.setValue(kSortDescendingKey, sort.descending);
}

void RestoreWindowLayout(CMainFrame& frame)
{
    const QSettings settings;
    if (settings.contains(kGeometryKey)) {
        frame.restoreGeometry(settings.value(kGeometryKey).toByteArray());
        if (!ScreenExists(settings.value(kScreenKey).toString()))
            CentreOnPrimaryScreen(frame);
        else
            KeepOnScreen(frame);
    } else {
        // The window manager places the first window; it only has to fit.
        FitToScreen(frame, frame.screen()->availableGeometry());
    }
    frame.restoreState(settings.value(kStateKey).toByteArray());
    frame.Splitter()->restoreState(settings.value(kSplitterKey).toByteArray());
    frame.FilesView()->RestoreHeaderState(settings.value(kColumnsKey).toByteArray());
    frame.FilesView()->SetSort({settings.value(kSortColumnKey, ListSort::kCatalogueOrder).toInt(),
                                settings.value(kSortDescendingKey, false).toBool()});
}

}  // namespace vorn

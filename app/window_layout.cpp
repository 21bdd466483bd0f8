#include "app/window_layout.h"

#include "views/files_view.h"

#include <QGuiApplication>
#include <QMainWindow>
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

void SaveWindowLayout(const QMainWindow& window, const QSplitter& splitter, const CFilesView& list)
{
    QSettings settings;
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kScreenKey, window.screen()->name());
    settings.setValue(kStateKey, window.saveState());
    settings.setValue(kSplitterKey, splitter.saveState());
    settings.setValue(kColumnsKey, list.SaveHeaderState());
    const ListSort sort = list.Sort();
    settings.setValue(kSortColumnKey, sort.column);
    settings.setValue(kSortDescendingKey, sort.descending);
}

void RestoreWindowLayout(QMainWindow& window, QSplitter& splitter, CFilesView& list)
{
    const QSettings settings;
    if (settings.contains(kGeometryKey)) {
        window.restoreGeometry(settings.value(kGeometryKey).toByteArray());
        if (!ScreenExists(settings.value(kScreenKey).toString()))
            CentreOnPrimaryScreen(window);
        else
            KeepOnScreen(window);
    } else {
        // The window manager places the first window; it only has to fit.
        FitToScreen(window, window.screen()->availableGeometry());
    }
    window.restoreState(settings.value(kStateKey).toByteArray());
    splitter.restoreState(settings.value(kSplitterKey).toByteArray());
    list.RestoreHeaderState(settings.value(kColumnsKey).toByteArray());
    list.SetSort({settings.value(kSortColumnKey, ListSort::kCatalogueOrder).toInt(),
                  settings.value(kSortDescendingKey, false).toBool()});
}

}  // namespace vorn

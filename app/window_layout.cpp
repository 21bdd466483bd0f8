#include "app/window_layout.h"

#include "app/main_frame.h"
#include "views/files_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>

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

void CentreOnPrimaryScreen(QWidget& window)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize(window.size().boundedTo(available.size()));
    QRect frame = window.frameGeometry();
    frame.moveCenter(available.center());
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
    }
    frame.restoreState(settings.value(kStateKey).toByteArray());
    frame.Splitter()->restoreState(settings.value(kSplitterKey).toByteArray());
    frame.FilesView()->RestoreHeaderState(settings.value(kColumnsKey).toByteArray());
    frame.FilesView()->SetSort({settings.value(kSortColumnKey, ListSort::kCatalogueOrder).toInt(),
                                settings.value(kSortDescendingKey, false).toBool()});
}

}  // namespace vorn

#include "app/window_layout.h"

#include "views/files_view.h"

#include <QGuiApplication>
#include <QMainWindow>
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
    }
    window.restoreState(settings.value(kStateKey).toByteArray());
    splitter.restoreState(settings.value(kSplitterKey).toByteArray());
    list.RestoreHeaderState(settings.value(kColumnsKey).toByteArray());
    list.SetSort({settings.value(kSortColumnKey, ListSort::kCatalogueOrder).toInt(),
                  settings.value(kSortDescendingKey, false).toBool()});
}

}  // namespace vorn

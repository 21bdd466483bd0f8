#include "app/drag_out.h"

#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace vorn {

std::unique_ptr<QMimeData> HandOverData(const QString& folder)
{
    QList<QUrl> urls;
    const QDir written(folder);
    for (const QString& name : written.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name))
        urls << QUrl::fromLocalFile(written.filePath(name));
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

void StartDrag(QWidget* source, std::unique_ptr<QMimeData> data)
{
    // Qt deletes the drag, and the data with it, once it is over.
    auto* drag = new QDrag(source);
    drag->setMimeData(data.release());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

}  // namespace vorn

#include "res/images.h"

#include "res/resource_ids.h"

#include <QString>

namespace vorn::res {
namespace {

QPixmap LoadPicture(const char* name)
{
    return QPixmap(QStringLiteral(":/vorn/icons/") + QLatin1String(name));
}

// The same picture in every state, so that no style tints a selected row's icon.
QIcon SteadyIcon(const QPixmap& picture)
{
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

}  // namespace

QPixmap LoadBitmap(int bitmapId)
{
    switch (bitmapId) {
    case IDB_FOLDER_CLOSED:
        return LoadPicture("folder_closed.png");
    case IDB_FOLDER_OPEN:
        return LoadPicture("folder_open.png");
    case IDB_ARCHIVE:
    case IDB_ARCHIVE_SEL:
        return LoadPicture("archive.png");
    case IDB_FILE_PAGE:
        return LoadPicture("file.png");
    default:
        return {};
    }
}

QIcon TreeFolderIcon()
{
    QIcon icon;
    icon.addPixmap(LoadBitmap(IDB_FOLDER_CLOSED), QIcon::Normal);
    icon.addPixmap(LoadBitmap(IDB_FOLDER_OPEN), QIcon::Selected);
    return icon;
}

QIcon TreeArchiveIcon()
{
    QIcon icon;
    icon.addPixmap(LoadBitmap(IDB_ARCHIVE), QIcon::Normal);
    icon.addPixmap(LoadBitmap(IDB_ARCHIVE_SEL), QIcon::Selected);
    return icon;
}

QIcon ListFolderIcon()
{
    return SteadyIcon(LoadBitmap(IDB_FOLDER_CLOSED));
}

QIcon ListFileIcon()
{
    return SteadyIcon(LoadBitmap(IDB_FILE_PAGE));
}

QIcon ToolBarIcon(int commandId)
{
    switch (commandId) {
    case ID_FILE_OPEN:
        return QIcon(LoadPicture("toolbar_open.png"));
    case ID_FILE_EXTRACT:
        return QIcon(LoadPicture("toolbar_extract.png"));
    case ID_FILE_TEST:
        return QIcon(LoadPicture("toolbar_test.png"));
    case ID_APP_ABOUT:
        return QIcon(LoadPicture("toolbar_about.png"));
    default:
        return {};
    }
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const char* name : {"vorn_16.png", "vorn_32.png", "vorn_48.png"})
        icon.addPixmap(LoadPicture(name));
    return icon;
}

}  // namespace vorn::res

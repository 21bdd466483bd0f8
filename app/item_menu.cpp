#include "app/item_menu.h"

#include "app/frame_commands.h"
#include "res/main_frame_resources.h"
#include "res/resource_ids.h"

#include <QMenu>

namespace vorn {

void ShowItemMenu(const CFrameCommands& commands, QWidget* window, const PaneSelection& request,
                  const QPoint& position)
{
    const bool oneRow = request.pane == PaneSelection::Pane::List && request.items.size() == 1;
    const bool oneFileRow = oneRow && request.items.front().kind == ExtractionItem::Kind::File;
    QMenu menu(window);
    menu.setToolTipsVisible(true);  // Extract to Default Folder says why it is disabled
    for (const res::MenuItem& item : res::ItemMenu()) {
        if (item.commandId == res::kSeparator) {
            menu.addSeparator();
        } else if ((item.commandId != res::ID_ITEM_OPEN || oneRow) &&
                   (item.commandId != res::ID_ITEM_PREVIEW || oneFileRow)) {
            menu.addAction(commands.Action(item.commandId));
        }
    }
    if (request.pane == PaneSelection::Pane::Tree) {
        menu.addSeparator();
        for (const res::MenuItem& item : res::FolderMenu())
            menu.addAction(commands.Action(item.commandId));
    }
    menu.exec(position);
}

void ShowFolderMenu(const CFrameCommands& commands, QWidget* window, const QPoint& position)
{
    QMenu menu(window);
    for (const res::MenuItem& item : res::FolderMenu())
        menu.addAction(commands.Action(item.commandId));
    menu.exec(position);
}

}  // namespace vorn

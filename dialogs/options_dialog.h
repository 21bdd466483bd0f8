#pragma once

#include "dialogs/folder_box_dialog.h"

class QLabel;

namespace vorn {

// Edits the default extraction folder, saying under the box when the folder
// does not exist (extraction then makes it). The caller stores GetPath()
// after OK.
class COptionsDialog final : public CFolderBoxDialog {
    Q_OBJECT

public:
    explicit COptionsDialog(QString strPath, QWidget* parent = nullptr);

private:
    void UpdateFolderNote(const QString& folder);

    QLabel* m_folderNote;
};

}  // namespace vorn

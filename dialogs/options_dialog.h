#pragma once

#include "dialogs/folder_box_dialog.h"

namespace vorn {

// Edits the default extraction folder. The caller stores GetPath() after OK.
class COptionsDialog final : public CFolderBoxDialog {
    Q_OBJECT

public:
    explicit COptionsDialog(QString strPath, QWidget* parent = nullptr);
};

}  // namespace vorn

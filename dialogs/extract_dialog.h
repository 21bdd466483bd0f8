#pragma once

#include "dialogs/folder_box_dialog.h"

namespace vorn {

// Asks for the folder to extract into, starting with the default extraction
// folder. The answer is used for one extraction only.
class CExtractDialog final : public CFolderBoxDialog {
    Q_OBJECT

public:
    explicit CExtractDialog(QString strPath, QWidget* parent = nullptr);
};

}  // namespace vorn

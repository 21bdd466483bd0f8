#pragma once

#include "dialogs/folder_box_dialog.h"

class QCompleter;
class QLabel;

namespace vorn {

// Asks for the folder to extract into, starting with the default extraction
// folder, and says what will be extracted. The answer is used for one
// extraction only. OK waits for a folder in the box.
class CExtractDialog final : public CFolderBoxDialog {
    Q_OBJECT

public:
    explicit CExtractDialog(QString strPath, QWidget* parent = nullptr);

    // "Extract 3 files and 1 folder", under the folder box.
    void SetContentText(const QString& text);
    // Folders extracted into before, newest first: the box's drop-down offers
    // them, and so does its completion while typing.
    void OfferRecentFolders(const QStringList& folders);

private:
    // Shows every recent folder under the box.
    void ShowRecentFolders();

    QLabel* m_content = nullptr;
    QCompleter* m_recent;
};

}  // namespace vorn

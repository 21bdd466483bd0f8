#include "dialogs/folder_dialog.h"

#include <QDialogButtonBox>

namespace vorn {

CFolderDialog::CFolderDialog(QString* pstrFolder, QWidget* parent)
    : QFileDialog(parent), m_pstrFolder(pstrFolder)
{
    // A widget-based dialog: the platform's own would not honour our labels
    // and cannot be driven in tests.
    setOption(DontUseNativeDialog);
    setFileMode(Directory);
    setOption(ShowDirsOnly);
    setLabelText(Accept, QStringLiteral("Select"));
    setWindowTitle(QStringLiteral("Choose folder"));
    HideFileNameRows();
}

void CFolderDialog::accept()
{
    *m_pstrFolder = QDir::toNativeSeparators(directory().absolutePath());
    // The file dialog's own acceptance would enter or return the highlighted
    // entry instead of the folder shown.
    QDialog::accept();
}

// The name box would show the highlighted entry, which Select ignores; the
// type box has nothing to offer in a folder chooser. Select and Cancel then
// share one row below the list. The names are those Qt gives the widgets of
// its own dialog; should they change, the rows merely stay visible.
void CFolderDialog::HideFileNameRows()
{
    for (const char* name : {"fileNameLabel", "fileNameEdit", "fileTypeLabel", "fileTypeCombo"}) {
        if (auto* row = findChild<QWidget*>(QLatin1String(name)))
            row->hide();
    }
    if (auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
        buttons->setOrientation(Qt::Horizontal);
}

}  // namespace vorn

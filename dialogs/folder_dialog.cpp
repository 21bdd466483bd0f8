#include "dialogs/folder_dialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileSystemModel>

namespace vorn {

CFolderDialog::CFolderDialog(QString* pstrFolder, QWidget* parent)
    : QFileDialog(parent), m_pstrFolder(pstrFolder)
{
    // A widget-based dialog: the platform's own would not honour our labels
    // and cannot be driven in tests.
    setOption(DontUseNativeDialog);
    setFileMode(Directory);
    setOption(ShowDirsOnly);
    setLabelText(Accept, tr("Select"));
    setWindowTitle(tr("Choose folder"));
    HideFileNameRows();
}

void CFolderDialog::accept()
{
    *m_pstrFolder = QDir::toNativeSeparators(ChosenFolder());
    // The file dialog's own acceptance would enter the highlighted folder
    // rather than answer with it.
    QDialog::accept();
}

// The highlighted sub-folder, as desktop pickers answer; the folder shown when
// none is. The list and the details view share one selection.
QString CFolderDialog::ChosenFolder() const
{
    if (const auto* view = findChild<QAbstractItemView*>(QStringLiteral("listView"))) {
        const QModelIndexList highlighted = view->selectionModel()->selectedRows();
        if (highlighted.size() == 1)
            return highlighted.front().data(QFileSystemModel::FilePathRole).toString();
    }
    return directory().absolutePath();
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

#include "dialogs/folder_box_dialog.h"

#include "dialogs/dialog_units.h"
#include "dialogs/folder_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace vorn {

CFolderBoxDialog::CFolderBoxDialog(const FolderBoxTemplate& layout, QString strPath, QWidget* parent)
    : QDialog(parent), m_editPath(new QLineEdit(this)), m_strPath(std::move(strPath))
{
    setWindowTitle(tr(layout.caption));
    const CDialogUnits units(font());
    setFixedSize(units.ToPixels(layout.size));

    // Created in tab order: folder box, Browse..., OK, Cancel.
    m_editPath->setObjectName(QStringLiteral("IDC_PATH"));
    m_editPath->setAccessibleName(tr("Folder"));
    m_editPath->setMaxLength(std::numeric_limits<int>::max());
    m_editPath->setText(m_strPath);
    m_editPath->selectAll();
    units.Place(*m_editPath, layout.path);

    auto* browseButton = new QPushButton(tr("Browse..."), this);
    browseButton->setObjectName(QStringLiteral("IDC_BROWSE"));
    units.Place(*browseButton, layout.browse);
    connect(browseButton, &QPushButton::clicked, this, &CFolderBoxDialog::OnBrowse);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("IDOK"));
    m_okButton->setDefault(true);
    units.Place(*m_okButton, layout.ok);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("IDCANCEL"));
    units.Place(*cancelButton, layout.cancel);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool CFolderBoxDialog::DoModal()
{
    return exec() == Accepted;
}

void CFolderBoxDialog::accept()
{
    m_strPath = m_editPath->text();
    QDialog::accept();
}

// The chooser runs window-modal over this dialog rather than in a nested loop
// of its own, and starts in its default folder, not in the box's text.
void CFolderBoxDialog::OnBrowse()
{
    auto* chooser = new CFolderDialog(&m_strChosenFolder, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, this, &CFolderBoxDialog::OnFolderChosen);
    chooser->open();
}

void CFolderBoxDialog::OnFolderChosen()
{
    m_strPath = m_strChosenFolder;
    m_editPath->setText(m_strChosenFolder);
}

}  // namespace vorn

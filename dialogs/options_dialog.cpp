#include "dialogs/options_dialog.h"

#include "dialogs/dialog_units.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vorn {

namespace {

const FolderBoxTemplate kOptionsTemplate{
    QT_TRANSLATE_NOOP("vorn::CFolderBoxDialog", "Options"), QSize(242, 74),
    QRect(10, 20, 158, 12),   // folder box
    QRect(175, 20, 45, 14),   // Browse...
    QRect(130, 55, 50, 14),   // OK
    QRect(185, 55, 50, 14),   // Cancel
};

}  // namespace

COptionsDialog::COptionsDialog(QString strPath, QWidget* parent)
    : CFolderBoxDialog(kOptionsTemplate, std::move(strPath), parent), m_folderNote(new QLabel(this))
{
    const CDialogUnits units(font());
    auto* group = new QGroupBox(tr("Extract Options"), this);
    units.Place(*group, QRect(5, 5, 235, 45));
    // Behind the folder box and Browse..., which it frames.
    group->lower();

    m_folderNote->setObjectName(QStringLiteral("IDC_FOLDER_NOTE"));
    m_folderNote->setTextFormat(Qt::PlainText);
    units.Place(*m_folderNote, QRect(10, 35, 225, 10));
    connect(&PathBox(), &QLineEdit::textChanged, this, &COptionsDialog::UpdateFolderNote);
    UpdateFolderNote(PathBox().text());
}

void COptionsDialog::UpdateFolderNote(const QString& folder)
{
    const bool missing = !folder.isEmpty() && !QFileInfo(folder).isDir();
    m_folderNote->setText(missing ? tr("This folder does not exist; extracting makes it.") : QString());
}

}  // namespace vorn

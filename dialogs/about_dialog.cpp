#include "dialogs/about_dialog.h"

#include "dialogs/dialog_units.h"
#include "dialogs/link_static.h"

#include <QLabel>
#include <QPushButton>

namespace vorn {

namespace {

const QString kSiteAddress = QStringLiteral("https://vorn.example/");

QLabel* AddText(QDialog& dialog, const CDialogUnits& units, const QString& text, const QRect& rect)
{
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText);
    units.Place(*label, rect);
    return label;
}

}  // namespace

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Vorn..."));
    const CDialogUnits units(font());
    setFixedSize(units.ToPixels(QSize(204, 121)));

    AddText(*this, units, tr("Vorn - Game Archive Browser"), QRect(10, 10, 129, 8));

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("IDOK"));
    okButton->setDefault(true);
    units.Place(*okButton, QRect(155, 10, 42, 14));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    AddText(*this, units, tr("Version 2.0 04-12-2002"), QRect(7, 23, 119, 8));
    AddText(*this, units, tr("Written by the Vorn authors."), QRect(7, 36, 185, 8));
    AddText(*this, units, tr("This program is freeware."), QRect(7, 46, 185, 8));
    AddText(*this, units, tr("For the latest updates and news see:"), QRect(7, 63, 185, 8));

    m_linkSite = new CLinkStatic(kSiteAddress, this);
    m_linkSite->setObjectName(QStringLiteral("IDC_LINK"));
    units.Place(*m_linkSite, QRect(7, 74, 185, 10));
    m_linkSite->SetLinkUrl(kSiteAddress);

    AddText(*this, units, tr("Additional credits to:"), QRect(7, 89, 185, 8));
    AddText(*this, units, tr("     - Ada Example for creating the icons;"), QRect(7, 98, 185, 8));
    AddText(*this, units, tr("     - Jo Sample for source code of Example Unpacker."),
            QRect(7, 106, 185, 8));
}

}  // namespace vorn

#include "dialogs/extract_dialog.h"

#include "dialogs/dialog_units.h"

#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>

namespace vorn {

namespace {

const FolderBoxTemplate kExtractTemplate{
    QT_TRANSLATE_NOOP("vorn::CFolderBoxDialog", "Extract files or directory"), QSize(182, 79),
    QRect(5, 15, 175, 12),    // folder box
    QRect(135, 30, 45, 15),   // Browse...
    QRect(75, 60, 50, 14),    // OK
    QRect(130, 60, 50, 14),   // Cancel
};

constexpr QRect kContentRect(5, 33, 125, 20);

}  // namespace

CExtractDialog::CExtractDialog(QString strPath, QWidget* parent)
    : CFolderBoxDialog(kExtractTemplate, std::move(strPath), parent),
      m_recent(new QCompleter(new QStringListModel(this), this))
{
    const CDialogUnits units(font());
    auto* prompt = new QLabel(tr("Extract to..."), this);
    prompt->setTextFormat(Qt::PlainText);
    units.Place(*prompt, QRect(5, 5, 90, 8));

    m_content = new QLabel(this);
    m_content->setObjectName(QStringLiteral("IDC_CONTENT"));
    m_content->setTextFormat(Qt::PlainText);
    m_content->setWordWrap(true);
    m_content->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units.Place(*m_content, kContentRect);

    m_recent->setCaseSensitivity(Qt::CaseSensitive);
    m_recent->setCompletionMode(QCompleter::PopupCompletion);
    PathBox().setCompleter(m_recent);

    const auto requireFolder = [this](const QString& text) { OkButton().setEnabled(!text.isEmpty()); };
    connect(&PathBox(), &QLineEdit::textChanged, this, requireFolder);
    requireFolder(PathBox().text());
}

void CExtractDialog::SetContentText(const QString& text)
{
    m_content->setText(text);
}

void CExtractDialog::OfferRecentFolders(const QStringList& folders)
{
    static_cast<QStringListModel*>(m_recent->model())->setStringList(folders);
    if (folders.isEmpty())
        return;
    QAction* dropDown = PathBox().addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    dropDown->setObjectName(QStringLiteral("IDC_RECENT"));
    dropDown->setToolTip(tr("Recent folders (Alt+Down)"));
    dropDown->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    dropDown->setShortcutContext(Qt::WidgetShortcut);
    connect(dropDown, &QAction::triggered, this, &CExtractDialog::ShowRecentFolders);
}

void CExtractDialog::ShowRecentFolders()
{
    m_recent->setCompletionPrefix(QString());
    m_recent->complete();
}

}  // namespace vorn

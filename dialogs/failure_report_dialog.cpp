#include "dialogs/failure_report_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

CFailureReportDialog::CFailureReportDialog(const std::vector<Message>& failures, QWidget* parent)
    : QDialog(parent), m_list(new QPlainTextEdit(this))
{
    setWindowTitle(QApplication::applicationName());
    const QString summary = failures.size() == 1 ? tr("1 problem occurred during the extraction:")
                                                 : tr("%1 problems occurred during the extraction:").arg(failures.size());
    QStringList lines;
    for (const Message& failure : failures)
        lines << QString::fromStdString(OneLine(failure));
    m_list->setPlainText(lines.join('\n'));
    m_list->setAccessibleName(tr("Failures"));
    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ReportText()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(summary, this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(560, 300);
}

QString CFailureReportDialog::ReportText() const
{
    return m_list->toPlainText();
}

}  // namespace vorn

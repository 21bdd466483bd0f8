#include "dialogs/test_report_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace vorn {

CTestReportDialog::CTestReportDialog(const QString& title, const QString& summary, const QList<Finding>& findings,
                                     QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(findings.size()), 4, this))
{
    setWindowTitle(title);
    auto* summaryLine = new QLabel(summary, this);
    summaryLine->setTextFormat(Qt::PlainText);
    summaryLine->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summaryLine->setWordWrap(true);

    m_table->setHorizontalHeaderLabels({tr("Kind"), tr("Severity"), tr("Path"), tr("Detail")});
    m_table->setAccessibleName(tr("Findings"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const Finding& finding = findings[row];
        m_table->setItem(row, 0, new QTableWidgetItem(finding.kind));
        m_table->setItem(row, 1, new QTableWidgetItem(finding.severity));
        m_table->setItem(row, 2, new QTableWidgetItem(finding.path));
        m_table->setItem(row, 3, new QTableWidgetItem(finding.detail));
    }
    m_table->resizeColumnsToContents();
    // The check's own order until a header is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setVisible(!findings.isEmpty());

    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CTestReportDialog::CopyRows);
    m_table->addAction(copy);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setEnabled(!findings.isEmpty());
    connect(copyButton, &QPushButton::clicked, this, &CTestReportDialog::CopyRows);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLine);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(findings.isEmpty() ? QSize(420, sizeHint().height()) : QSize(760, 420));
}

void CTestReportDialog::CopyRows() const
{
    std::set<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty())
        for (int row = 0; row < m_table->rowCount(); ++row)
            rows.insert(row);
    QStringList lines;
    for (const int row : rows) {
        QStringList cells;
        for (int column = 0; column < m_table->columnCount(); ++column)
            cells << m_table->item(row, column)->text();
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace vorn

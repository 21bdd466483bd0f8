#include "dialogs/report_dialog.h"

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

CReportDialog::CReportDialog(const QString& title, const QString& summary, const QStringList& columns,
                             const QList<QStringList>& rows, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(columns.size()), this))
{
    setWindowTitle(title);
    auto* summaryLine = new QLabel(summary, this);
    summaryLine->setTextFormat(Qt::PlainText);
    summaryLine->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summaryLine->setWordWrap(true);

    m_table->setHorizontalHeaderLabels(columns);
    m_table->setAccessibleName(title);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(rows[row].value(column));
            item->setData(Qt::UserRole, row);
            m_table->setItem(row, column, item);
        }
    }
    connect(m_table, &QTableWidget::itemActivated, this,
            [this](QTableWidgetItem* item) { emit RowActivated(item->data(Qt::UserRole).toInt()); });
    m_table->resizeColumnsToContents();
    // The check's own order until a header is clicked.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_table->setVisible(!rows.isEmpty());

    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &CReportDialog::CopyRows);
    m_table->addAction(copy);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyButton = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setEnabled(!rows.isEmpty());
    connect(copyButton, &QPushButton::clicked, this, &CReportDialog::CopyRows);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLine);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(rows.isEmpty() ? QSize(420, sizeHint().height()) : QSize(760, 420));
}

void CReportDialog::CopyRows() const
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

#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QTableWidget;

namespace vorn {

// The outcome of Test Archive or Compare With: a summary line, then the rows
// as a table that sorts by any column and copies its selected rows, or every
// row when none is selected, as tab-separated lines.
class CReportDialog final : public QDialog {
    Q_OBJECT

public:
    // Each row holds a cell for each column.
    CReportDialog(const QString& title, const QString& summary, const QStringList& columns,
                  const QList<QStringList>& rows, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    void CopyRows() const;

signals:
    // A row was double-clicked or entered: its place in the rows given, whatever the sorting.
    void RowActivated(int row);

private:
    QTableWidget* m_table;
};

}  // namespace vorn

#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QTableWidget;

namespace vorn {

// The outcome of Test Archive: a summary line, then the findings as a table
// (kind, severity, path, detail) that sorts by any column and copies its selected rows,
// or every row when none is selected, as tab-separated lines.
class CTestReportDialog final : public QDialog {
    Q_OBJECT

public:
    struct Finding {
        QString kind;
        QString severity;
        QString path;
        QString detail;
    };

    CTestReportDialog(const QString& title, const QString& summary, const QList<Finding>& findings,
                      QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    void CopyRows() const;

private:
    QTableWidget* m_table;
};

}  // namespace vorn

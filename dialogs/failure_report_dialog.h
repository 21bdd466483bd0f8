#pragma once

#include "framework/message_reporter.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;

namespace vorn {

// Everything that went wrong in one extraction, shown together at its end as
// a list the user can read, select and copy.
class CFailureReportDialog final : public QDialog {
    Q_OBJECT

public:
    CFailureReportDialog(const std::vector<Message>& failures, QWidget* parent = nullptr);

    QString ReportText() const;

private:
    QPlainTextEdit* m_list;
};

}  // namespace vorn

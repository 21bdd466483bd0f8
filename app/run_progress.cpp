#include "app/run_progress.h"

#include <QApplication>
#include <QProgressDialog>

namespace vorn {

void SetUpRunProgress(QProgressDialog& dialog, const QString& label)
{
    dialog.setWindowTitle(QApplication::applicationName());
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setRange(0, 1000);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(300);
    dialog.setMinimumWidth(420);
    dialog.setLabelText(label);
}

}  // namespace vorn

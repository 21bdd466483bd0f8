#include "app/run_progress.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

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

void RunOffUiThread(const std::function<void()>& work)
{
    const std::unique_ptr<QThread> worker(QThread::create(work));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
}

}  // namespace vorn

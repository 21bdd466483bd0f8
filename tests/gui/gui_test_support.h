#pragma once

// Shared by the GUI tests: settings in a temporary folder, archives written to
// disk, and the application started the way main() starts it.

#include "app/vorn_app.h"
#include "framework/message_reporter.h"
#include "tests/support/archive_writer.h"

#include <QString>
#include <QStringList>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

namespace vorn::testing {

// Points the per-user settings at a temporary folder. Construct it before
// anything reads settings (the location is fixed at the first read).
class SettingsSandbox {
public:
    SettingsSandbox();
    // Forgets every setting of the application.
    void Clear() const;

private:
    QTemporaryDir m_dir;
};

WriterFile File(std::string name, std::size_t size);
WriterFolder Folder(std::string name, std::vector<WriterFile> files, std::vector<WriterFolder> folders = {});

// Writes tree as an archive named fileName in folder, in the format of its
// extension (PCK for any other), and returns its path.
QString WriteArchive(const QTemporaryDir& folder, const QString& fileName, const WriterTree& tree);

// An application started with arguments (the program name comes first) and
// its core messages collected. Model testers watch both panes' models.
struct StartedApp {
    CollectingReporter reporter;
    std::unique_ptr<CVornApp> app;
    bool started = false;
};
std::unique_ptr<StartedApp> StartApp(const QStringList& arguments = {QStringLiteral("vorn")});

// Waits until the window's jobs have ended and their results were handled;
// false after a generous time.
[[nodiscard]] bool WaitUntilIdle(const StartedApp& started);

// How many of the process's open descriptors refer to path.
int OpenDescriptorsOf(const QString& path);

inline const QString kWhenModalTimer = QStringLiteral("vorn-when-modal");

// Runs act once on the first modal widget of type T to appear, polling from
// the event loop, so a test can answer a dialog that a command runs modally.
template <typename T, typename Act>
void WhenModal(Act act)
{
    auto* timer = new QTimer(qApp);
    timer->setObjectName(kWhenModalTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            act(widget);
        }
    });
    timer->start(5);
}

// Drops the answers that WhenModal still waits to give, so that none of them
// answers a later test's dialog.
void ForgetPendingAnswers();

// Stands in for the desktop while it lives: keeps the files that would be
// opened with their default applications.
class DesktopCatcher : public QObject {
    Q_OBJECT

public:
    DesktopCatcher();
    ~DesktopCatcher() override;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

}  // namespace vorn::testing

// The worker that search, preview and the hex view post their jobs to: which
// jobs run, and which results reach the user-interface thread.

#include "framework/background_worker.h"

#include <QCoreApplication>
#include <QTest>

#include <future>
#include <string>

using namespace vorn;

namespace {

using Ticket = CBackgroundWorker::Ticket;
using Delivery = CBackgroundWorker::Delivery;

}  // namespace

class TestBackgroundWorker : public QObject {
    Q_OBJECT

private slots:
    void newestOnlyNeverDeliversAnOvertakenResult()
    {
        CBackgroundWorker worker(CBackgroundWorker::Results::NewestOnly);
        std::string delivered;
        const auto job = [&delivered](std::string name) {
            return [&delivered, name](const Ticket&) -> Delivery { return [&delivered, name] { delivered += name; }; };
        };

        // A job overtaken while it runs: it learns so, and its result is dropped.
        std::promise<void> started;
        std::promise<void> release;
        std::promise<bool> overtaken;
        worker.Post([&, wait = release.get_future().share()](const Ticket& ticket) -> Delivery {
            started.set_value();
            wait.wait();
            overtaken.set_value(ticket.Overtaken());
            return [&delivered] { delivered += "running "; };
        });
        started.get_future().wait();
        worker.Post(job("waiting "));  // replaced before it starts
        worker.Post(job("newest "));
        release.set_value();
        QTRY_COMPARE(delivered, std::string("newest "));
        QVERIFY(overtaken.get_future().get());

        // A result that is ready but not yet shown when a newer job is posted.
        delivered.clear();
        std::promise<void> finished;
        worker.Post([&finished](const Ticket&) -> Delivery {
            finished.set_value();
            return [] { QFAIL("an overtaken result was delivered"); };
        });
        finished.get_future().wait();  // no events run meanwhile: its delivery cannot have run
        worker.Post(job("after "));
        QTRY_COMPARE(delivered, std::string("after "));

        // Cancel drops what was posted; later jobs still count.
        delivered.clear();
        worker.Post(job("cancelled "));
        worker.Cancel();
        worker.Post(job("last"));
        QTRY_COMPARE(delivered, std::string("last"));  // a dropped result would have come first
    }

    void everyDeliversEachJobsResult()
    {
        CBackgroundWorker worker;
        int delivered = 0;
        std::promise<void> finished;
        worker.Post([&](const Ticket&) -> Delivery {
            finished.set_value();
            return [&delivered] { ++delivered; };
        });
        finished.get_future().wait();
        worker.Post([&delivered](const Ticket&) -> Delivery { return [&delivered] { ++delivered; }; });
        QTRY_COMPARE(delivered, 2);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundWorker)
#include "test_background_worker.moc"

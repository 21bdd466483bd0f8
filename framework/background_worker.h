#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace vorn {

// Runs jobs for an object of the user-interface thread, one after another, on
// a thread of Qt's global pool. A job returns what to do with its result; that
// runs on the user-interface thread, and only while the worker still lives.
// Only the newest waiting job runs: a job posted before the previous one has
// started replaces it. Destroying the worker never waits for a running job,
// so whatever a job reads it must hold itself (shared ownership); what jobs
// keep from one to the next is theirs alone, since they never overlap.
class CBackgroundWorker {
    struct Shared;

public:
    // Which results reach the user-interface thread.
    enum class Results {
        Every,       // each job's, as it comes
        NewestOnly,  // a job's only while none was posted (nor Cancel called) after it
    };

    // What a running job may ask about its standing.
    class Ticket {
    public:
        // A job was posted, or Cancel called, after this one: under NewestOnly
        // its result will be dropped, so the rest of its work would be wasted.
        bool Overtaken() const;

    private:
        friend class CBackgroundWorker;
        Ticket(const Shared& shared, std::uint64_t number) : m_shared(shared), m_number(number) {}

        const Shared& m_shared;
        std::uint64_t m_number;
    };

    using Delivery = std::function<void()>;
    using Job = std::function<Delivery(const Ticket& ticket)>;

    explicit CBackgroundWorker(Results results = Results::Every);
    ~CBackgroundWorker();
    CBackgroundWorker(const CBackgroundWorker&) = delete;
    CBackgroundWorker& operator=(const CBackgroundWorker&) = delete;

    void Post(Job job);
    // Drops the waiting job and, under NewestOnly, every result not yet
    // delivered; a running job finishes unheeded.
    void Cancel();

private:
    // Makes next the waiting job (none: Cancel), overtaking every earlier one.
    void Replace(Job next);
    static void Drain(const std::shared_ptr<Shared>& shared);
    static void Deliver(const std::shared_ptr<Shared>& shared, std::uint64_t number, Delivery delivery);

    std::shared_ptr<Shared> m_shared;
};

}  // namespace vorn

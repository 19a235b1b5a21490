// The progress record of a transfer or synchronisation job: counters, elapsed time, a
// queue of progress lines and a finished flag, in public fields a C host may read.
//
// Thread-safe: every write of a job and every reading of an observer (snapshot,
// pop_message) takes the record's own lock, so a host can watch a job that runs on
// another thread. Direct reads of the public fields are the host's own risk.
#pragma once

#include <tarvelin/rezezadovu/transform.h>

#include <mutex>
#include <optional>
#include <string>

#include "providers/gobj/args.hpp"
#include "providers/gobj/export.hpp"
#include "providers/gobj/object.hpp"
#include "providers/gobj/ref.hpp"

namespace tarvelin::rezezadovu::contracts {

class TARVELIN_EXPORT ThreadProgress : public gobj::Fundamental {
public:
    using CSelf = TarvelinRezezadovuContractsThreadProgress;
    static GType gtype();
    static gobj::Ref<ThreadProgress> create(GType type = gtype());

    ThreadProgress();
    ~ThreadProgress() override;

    struct Snapshot {
        gint64 processed = 0;
        gint64 succeeded = 0;
        gint64 failed = 0;
        gint64 elapsed = 0;
        bool finished = false;
    };
    Snapshot snapshot() const;
    // Writes the snapshot's fields through the pointers given (any may be NULL).
    void read(gint64* processed, gint64* succeeded, gint64* failed, gint64* elapsed, gboolean* finished) const;
    // The oldest line, or nothing when the queue is empty.
    std::optional<std::string> pop_message();

    // ---- the job's writes
    void reset_counters();
    // One counted step: elapsed set, processed and succeeded or failed grow by one, then
    // the line (when given) joins the queue.
    void count(bool success, gint64 elapsed, const std::optional<std::string>& line);
    // A line without counting.
    void append(const std::string& line);
    void set_elapsed(gint64 elapsed);
    void set_finished();

private:
    CSelf* fields() const noexcept { return static_cast<CSelf*>(instance()); }
    void push(const std::string& line);

    mutable std::mutex lock_;
};

}  // namespace tarvelin::rezezadovu::contracts

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsThreadProgress, tarvelin::rezezadovu::contracts::ThreadProgress)

// What the transfer and synchronisation jobs share: the two connections, the progress
// record, the job's recursive mutex, the option map and the start time of the running
// handle, with the helpers that count steps and write progress lines.
//
// Thread-safe as far as the jobs' contract goes: one thread runs handle (or initialize,
// preview, generate) at a time, while observers read the progress record from others;
// every write of the record happens under the job's mutex and the record's own lock.
#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "providers/gobj/gee.hpp"
#include "rezezadovu/transform/itransform.hpp"

namespace tarvelin::rezezadovu::transform {

using CConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
using CStatementVt = TarvelinRezezadovuContractsDatabaseIStatementInterface;
using CBuildableVt = TarvelinRezezadovuContractsDatabaseIBuildableInterface;
using CAdaptableVt = TarvelinRezezadovuContractsDatabaseIAdaptableInterface;
using contracts::database::IAdaptable;
using contracts::database::IBuildable;
using contracts::database::IStatement;

// The dialect objects of a connection (new references; empty when the connection gives none).
TARVELIN_EXPORT gobj::Ref<IStatement> statement_of(const gobj::Ref<IConnection>& connection);
TARVELIN_EXPORT gobj::Ref<IBuildable> builder_of(const gobj::Ref<IConnection>& connection);
TARVELIN_EXPORT gobj::Ref<IAdaptable> adapter_of(const gobj::Ref<IConnection>& connection);
// Runs one statement through execute_no_query (result flag false); throws its error.
TARVELIN_EXPORT gint64 run_statement(const gobj::Ref<IConnection>& connection, const std::string& sql);
// How the connection's target lexes its texts: a dialect whose literals double the
// backslash (pack_value of "") reads the backslash as an escape.
TARVELIN_EXPORT bool backslash_escapes(const gobj::Ref<IStatement>& statement);

// "a|b|c": an option key.
TARVELIN_EXPORT std::string option_key(const std::string& a, const std::string& b, const std::string& c);
// The text between the job's time stamp and its line's text: local time with milliseconds.
TARVELIN_EXPORT std::string time_stamp();

class TARVELIN_EXPORT TransformJob : public gobj::Object, public ITransform {
public:
    const gobj::Ref<IConnection>& get_server_source() const override { return source_; }
    void set_server_source(gobj::Ref<IConnection> value) override;
    const gobj::Ref<IConnection>& get_server_target() const override { return target_; }
    void set_server_target(gobj::Ref<IConnection> value) override;
    const gobj::Ref<ThreadProgress>& get_progress() const override { return progress_; }
    void set_progress(gobj::Ref<ThreadProgress> value) override;

    // The option map given to the constructor (a reference is kept).
    void set_options(GeeHashMap* options);

protected:
    // What one run works with, taken when it starts: a host that sets the properties
    // meanwhile changes the next run, not this one.
    struct Run {
        gobj::Ref<IConnection> source;
        gobj::Ref<IConnection> target;
        gobj::Ref<ThreadProgress> progress;
    };
    // Both connections, or nothing after the critical "NULL != _tmp0_" (no source) or
    // "NULL != _tmp1_" (no target) logged for `where`.
    std::optional<Run> begin(const char* where);
    // Records the start time of a run.
    void start_clock();
    gint64 elapsed() const;

    std::optional<std::string> option(const std::string& key) const;
    std::string option_or(const std::string& key, const std::string& fallback) const;
    bool option_true(const std::string& key) const;

    // One counted step (under the job's mutex): elapsed, counters, then the line when
    // given. Without a progress record nothing is reported.
    void count(const Run& run, bool success, const std::optional<std::string>& line);
    // A line without counting.
    void note(const Run& run, const std::string& line);
    void finish(const Run& run);

    mutable std::recursive_mutex mutex_;

private:
    gobj::Ref<IConnection> source_;
    gobj::Ref<IConnection> target_;
    gobj::Ref<ThreadProgress> progress_;
    gobj::StringMap options_;
    gint64 started_ = 0;
};

}  // namespace tarvelin::rezezadovu::transform

// What the two synchronisation jobs share besides TransformJob: their Patcher and the way
// they run a list of statement texts on the target.
//
// Thread-safe as TransformJob.
#pragma once

#include "rezezadovu/transform/patcher.hpp"
#include "rezezadovu/transform/transform_job.hpp"

namespace tarvelin::rezezadovu::transform {

class TARVELIN_EXPORT SyncJob : public TransformJob, public ISynchronize {
public:
    Patcher& patcher() { return *patcher_; }

protected:
    void constructed() override;
    // Runs each text on the target, cut into statements: a text counts once, a success
    // when all its statements ran, else a failure with the line "TS message"; without
    // `go_on` the first failure stops the run. Texts blank after trimming are skipped. A
    // text that opens a transaction of its own (the target statement's transaction text)
    // and fails before its commit is rolled back, and the statements after its commit
    // still run.
    void run_texts(const Run& run, const std::vector<std::string>& texts, bool go_on);

private:
    void undo(const Run& run, const std::vector<std::string>& pieces, size_t failed, const std::string& closes,
              const std::string& rollback);
    gobj::Ref<Patcher> patcher_;
};

}  // namespace tarvelin::rezezadovu::transform

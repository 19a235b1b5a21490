#include "rezezadovu/transform/sync_job.hpp"

#include "rezezadovu/transform/statement_splitter.hpp"

TARVELIN_LOG_TAG("sync_job")

namespace tarvelin::rezezadovu::transform {

void SyncJob::constructed() {
    TransformJob::constructed();
    patcher_ = Patcher::create();
}

void SyncJob::run_texts(const Run& run, const std::vector<std::string>& texts, bool go_on) {
    // One SQLite statement per call, one batch per SQL Server call: a text of several
    // statements runs piece by piece.
    SplitOptions lexing{backslash_escapes(statement_of(run.target))};
    for (const auto& text : texts) {
        auto pieces = split_statements(text, lexing);
        if (pieces.empty()) continue;
        try {
            for (const auto& piece : pieces) run_statement(run.target, piece);
            count(run, true, std::nullopt);
        } catch (const gobj::Error& e) {
            count(run, false, time_stamp() + " " + e.message());
            if (!go_on) return;
        }
    }
}

}  // namespace tarvelin::rezezadovu::transform

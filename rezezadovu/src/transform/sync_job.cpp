#include "rezezadovu/transform/sync_job.hpp"

#include "providers/gobj/call.hpp"
#include "rezezadovu/transform/statement_splitter.hpp"

TARVELIN_LOG_TAG("sync_job")

namespace tarvelin::rezezadovu::transform {

void SyncJob::constructed() {
    TransformJob::constructed();
    patcher_ = Patcher::create();
}

namespace {

// A statement as a word to compare: blanks and the closing semicolon off, in capitals.
std::string word(const std::string& sql) {
    std::string out = gobj::take_string(g_ascii_strup(sql.c_str(), -1));
    while (!out.empty() && (g_ascii_isspace(out.back()) || out.back() == ';')) out.pop_back();
    size_t start = 0;
    while (start < out.size() && g_ascii_isspace(out[start])) ++start;
    return out.substr(start);
}

}  // namespace

void SyncJob::run_texts(const Run& run, const std::vector<std::string>& texts, bool go_on) {
    // One SQLite statement per call, one batch per SQL Server call: a text of several
    // statements runs piece by piece.
    auto statement = statement_of(run.target);
    SplitOptions lexing{backslash_escapes(statement)};
    std::string opens, closes, rollback;
    if (statement) {
        opens = word(gobj::call<&CStatementVt::transaction>(statement, ""));
        closes = word(gobj::call<&CStatementVt::commit>(statement, ""));
        rollback = gobj::call<&CStatementVt::rollback>(statement, "");
    }
    for (const auto& text : texts) {
        auto pieces = split_statements(text, lexing);
        if (pieces.empty()) continue;
        bool open = false;
        size_t at = 0;
        try {
            for (at = 0; at < pieces.size(); ++at) {
                run_statement(run.target, pieces[at]);
                const std::string w = word(pieces[at]);
                if (!opens.empty() && w == opens) open = true;
                if (!closes.empty() && w == closes) open = false;
            }
            count(run, true, std::nullopt);
        } catch (const gobj::Error& e) {
            if (open) undo(run, pieces, at, closes, rollback);
            count(run, false, time_stamp() + " " + e.message());
            if (!go_on) return;
        }
    }
}

void SyncJob::undo(const Run& run, const std::vector<std::string>& pieces, size_t failed, const std::string& closes,
                   const std::string& rollback) {
    // The text's own transaction rolled back, then what follows its end (the switches it
    // turned off) still runs; a failure there is only logged, the text has failed already.
    auto quietly = [&](const std::string& sql) {
        try {
            run_statement(run.target, sql);
        } catch (const gobj::Error& e) {
            tlog_warning("%s: %s", sql.c_str(), e.message().c_str());
        }
    };
    quietly(rollback);
    size_t end = failed + 1;
    while (end < pieces.size() && word(pieces[end]) != closes) ++end;
    for (size_t i = end + 1; i < pieces.size(); ++i) quietly(pieces[i]);
}

}  // namespace tarvelin::rezezadovu::transform

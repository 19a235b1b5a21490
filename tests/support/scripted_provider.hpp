// A scripted test implementation of the provider contract (IProvider).
//
// It answers known SQL with prepared results instead of talking to a server, counts
// every call and raises errors on demand, so dialect, connection and import tests can
// check the SQL they send and what they do with the answers:
//
//   auto p = ScriptedProvider::create();
//   p->answer_rows("SELECT id, name FROM t",
//                  {{"id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32}, {"name", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING}},
//                  {{1, "one"}, {2, nullptr}});
//   p->answer_affected("DELETE FROM t", 2);
//   p->answer_error("SELECT broken", gobj::Error("Scripted", 1064, "syntax error"));
//   p->answer_reader("SELECT n FROM host", &new_host_reader);    // any reader instance, a host's too
//   p->fail("open", gobj::Error("Scripted", 2003, "cannot connect"));   // next open only
//   ... code under test drives p through the IProvider contract ...
//   EXPECT_EQ(p->statements(), (std::vector<std::string>{"SELECT id, name FROM t"}));
//   EXPECT_EQ(p->calls("execute_model"), 1);
//
// Statements are matched by their exact text after trimming surrounding white space.
// A statement without an answer raises ("Scripted", -1, "no answer scripted for: <text>"),
// so an unexpected statement fails the test visibly.
//
// How each operation answers (a reader answer stands for its rows, read through the
// reader interface):
//  - open: keeps the server and the text, reads opened; close: reads closed.
//  - execute_model: rows -> a new TableModel built like a driver builds it (one column per
//    scripted column from the reader's name, type and size, one row per scripted row from
//    the reader's get_value); affected -> ("Scripted", -1, "No data returned.").
//  - execute_affect: affected -> the count; rows -> the number of rows.
//  - execute_scalar: rows -> the first cell (ValueNull when there is no row); affected ->
//    a ValueUInt64 of the count.
//  - execute_statements: the text split at semicolons outside quotes; one object per
//    statement: a TableModel, a ValueUInt64 or, for a failing or unknown statement, a
//    ValueError with its code and message (the run goes on).
//  - execute_reader: rows -> a ScriptedReader before the first row; affected ->
//    ("Scripted", -1, "No data return by non-select statement").
//  - transaction, commit, rollback: track in_transaction(); transaction returns TRUE.
//  Any operation named in fail() raises that error instead, for as many calls as asked.
//  Every operation, failing or not, is counted by calls(op) and every statement text
//  received is listed by statements(). All of it is safe to call from worker threads.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "providers/contracts/face_provider.hpp"
#include "support/scripted_reader.hpp"

namespace tarvelin::test {

class ScriptedProvider : public gobj::Object, public providers::contracts::IProvider {
public:
    static GType gtype();
    static gobj::Ref<ScriptedProvider> create();

    // ---- the script
    void answer_rows(const std::string& sql, std::vector<ScriptedColumn> columns, std::vector<ScriptedRow> rows = {});
    void answer_affected(const std::string& sql, gint64 affected);
    void answer_error(const std::string& sql, gobj::Error error);
    // Answers with the reader `make` returns (a new reference) at each statement.
    void answer_reader(const std::string& sql, std::function<GObject*()> make);
    // The operation ("open", "execute_model", "commit", ...) raises `error` on its next `times` calls.
    void fail(const std::string& op, gobj::Error error, int times = 1);

    // ---- what happened
    int calls(const std::string& op) const;
    std::vector<std::string> statements() const;
    void clear_log();
    // The record and text given to the last successful open.
    gobj::Ref<providers::contracts::Server> server() const;
    std::string connection_string() const;
    bool in_transaction() const;

    // ---- IProvider
    void open(providers::contracts::Server& server, const std::string& connection_string) override;
    void close() override;
    gobj::Ref<providers::contracts::TableModel> execute_model(const std::string& statement, bool flag) override;
    gint64 execute_affect(const std::string& statement, bool flag) override;
    gobj::Ref<providers::contracts::ValueObject> execute_scalar(const std::string& statement, bool flag) override;
    std::vector<gobj::Ref<gobj::Object>> execute_statements(const std::string& statements, bool flag) override;
    gobj::Ref<providers::contracts::IDataReader> execute_reader(const std::string& statement) override;
    bool transaction() override;
    void commit() override;
    void rollback() override;
    bool get_is_opened() override;

    // Builds a table from a reader the way every driver does; exposed for reader tests.
    static gobj::Ref<providers::contracts::TableModel> fill_model(
        const gobj::Ref<providers::contracts::IDataReader>& reader);

private:
    struct Answer {
        enum class Kind { rows, affected, error, reader } kind = Kind::rows;
        std::vector<ScriptedColumn> columns;
        std::function<GObject*()> make;
        std::vector<ScriptedRow> rows;
        gint64 affected = 0;
        // Held by pointer: GCC 12 warns a moved, disengaged std::optional of it "maybe uninitialized" in sanitizer builds.
        std::shared_ptr<const gobj::Error> error;
    };
    struct Failure {
        gobj::Error error;
        int times;
    };

    // Counts the operation and raises a scripted failure.
    void enter(const std::string& op);
    // Logs the statement and finds its answer; raises a scripted error answer.
    const Answer& lookup(const std::string& statement);
    void set_answer(const std::string& sql, Answer answer);
    gobj::Ref<providers::contracts::IDataReader> reader_for(const Answer& answer) const;

    mutable std::recursive_mutex mutex_;
    std::map<std::string, Answer> answers_;
    std::map<std::string, Failure> failures_;
    std::map<std::string, int> calls_;
    std::vector<std::string> statements_;
    gobj::Ref<providers::contracts::Server> server_;
    std::string connection_string_;
    bool opened_ = false;
    bool in_transaction_ = false;
};

}  // namespace tarvelin::test

#include "support/scripted_provider.hpp"

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "providers/gobj/register.hpp"

namespace tarvelin::test {

using namespace providers::contracts;
using RV = IDataReader::Vtable;

TARVELIN_GTYPE(ScriptedProvider, "TarvelinTestScriptedProvider", gobj::Object, IProvider)

namespace {

std::string trimmed(const std::string& text) {
    gchar* copy = g_strdup(text.c_str());
    std::string out = g_strstrip(copy);
    g_free(copy);
    return out;
}

// Splits at semicolons outside single and double quotes; blank pieces are dropped.
std::vector<std::string> split_statements(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    char quote = 0;
    for (char c : text) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            if (auto s = trimmed(current); !s.empty()) out.push_back(s);
            current.clear();
            continue;
        }
        current += c;
    }
    if (auto s = trimmed(current); !s.empty()) out.push_back(s);
    return out;
}

}  // namespace

gobj::Ref<ScriptedProvider> ScriptedProvider::create() { return gobj::create<ScriptedProvider>(); }

void ScriptedProvider::set_answer(const std::string& sql, Answer answer) {
    std::lock_guard lock(mutex_);
    answers_.insert_or_assign(trimmed(sql), std::move(answer));
}
void ScriptedProvider::answer_rows(const std::string& sql, std::vector<ScriptedColumn> columns,
                                   std::vector<ScriptedRow> rows) {
    Answer a;
    a.columns = std::move(columns);
    a.rows = std::move(rows);
    set_answer(sql, std::move(a));
}
void ScriptedProvider::answer_affected(const std::string& sql, gint64 affected) {
    Answer a;
    a.kind = Answer::Kind::affected;
    a.affected = affected;
    set_answer(sql, std::move(a));
}
void ScriptedProvider::answer_error(const std::string& sql, gobj::Error error) {
    Answer a;
    a.kind = Answer::Kind::error;
    a.error = std::make_shared<const gobj::Error>(std::move(error));
    set_answer(sql, std::move(a));
}
void ScriptedProvider::answer_reader(const std::string& sql, std::function<GObject*()> make) {
    Answer a;
    a.kind = Answer::Kind::reader;
    a.make = std::move(make);
    set_answer(sql, std::move(a));
}
void ScriptedProvider::fail(const std::string& op, gobj::Error error, int times) {
    std::lock_guard lock(mutex_);
    failures_.insert_or_assign(op, Failure{std::move(error), times});
}

int ScriptedProvider::calls(const std::string& op) const {
    std::lock_guard lock(mutex_);
    auto it = calls_.find(op);
    return it == calls_.end() ? 0 : it->second;
}
std::vector<std::string> ScriptedProvider::statements() const {
    std::lock_guard lock(mutex_);
    return statements_;
}
void ScriptedProvider::clear_log() {
    std::lock_guard lock(mutex_);
    calls_.clear();
    statements_.clear();
}
gobj::Ref<Server> ScriptedProvider::server() const {
    std::lock_guard lock(mutex_);
    return server_;
}
std::string ScriptedProvider::connection_string() const {
    std::lock_guard lock(mutex_);
    return connection_string_;
}
bool ScriptedProvider::in_transaction() const {
    std::lock_guard lock(mutex_);
    return in_transaction_;
}

void ScriptedProvider::enter(const std::string& op) {
    ++calls_[op];
    auto it = failures_.find(op);
    if (it == failures_.end()) return;
    gobj::Error error = it->second.error;
    if (--it->second.times <= 0) failures_.erase(it);
    throw error;
}

const ScriptedProvider::Answer& ScriptedProvider::lookup(const std::string& statement) {
    std::string key = trimmed(statement);
    statements_.push_back(key);
    auto it = answers_.find(key);
    if (it == answers_.end()) throw gobj::Error("Scripted", -1, "no answer scripted for: " + key);
    if (it->second.kind == Answer::Kind::error) throw *it->second.error;
    return it->second;
}

gobj::Ref<IDataReader> ScriptedProvider::reader_for(const Answer& answer) const {
    if (answer.kind == Answer::Kind::reader) return gobj::Ref<IDataReader>::adopt(answer.make());
    return ScriptedReader::create(answer.columns, answer.rows);
}

gobj::Ref<TableModel> ScriptedProvider::fill_model(const gobj::Ref<IDataReader>& reader) { return fill_table(reader); }

void ScriptedProvider::open(Server& server, const std::string& connection_string) {
    std::lock_guard lock(mutex_);
    enter("open");
    server_ = gobj::Ref<Server>(server);
    connection_string_ = connection_string;
    opened_ = true;
}
void ScriptedProvider::close() {
    std::lock_guard lock(mutex_);
    enter("close");
    opened_ = false;
    in_transaction_ = false;
}

gobj::Ref<TableModel> ScriptedProvider::execute_model(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    enter("execute_model");
    const Answer& a = lookup(statement);
    if (a.kind == Answer::Kind::affected) throw gobj::Error("Scripted", -1, "No data returned.");
    return fill_model(reader_for(a));
}

gint64 ScriptedProvider::execute_affect(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    enter("execute_affect");
    const Answer& a = lookup(statement);
    if (a.kind == Answer::Kind::affected) return a.affected;
    if (a.kind == Answer::Kind::rows) return static_cast<gint64>(a.rows.size());
    gint64 rows = 0;
    for (auto reader = reader_for(a); gobj::call<&RV::read>(reader);) ++rows;
    return rows;
}

gobj::Ref<ValueObject> ScriptedProvider::execute_scalar(const std::string& statement, bool) {
    std::lock_guard lock(mutex_);
    enter("execute_scalar");
    const Answer& a = lookup(statement);
    if (a.kind == Answer::Kind::affected) return ValueUInt64::create(static_cast<guint64>(a.affected));
    auto reader = reader_for(a);
    if ((a.kind == Answer::Kind::rows && a.columns.empty()) || !gobj::call<&RV::read>(reader))
        return ValueNull::create();
    return gobj::call<&RV::get_value>(reader, guint16(0));
}

std::vector<gobj::Ref<gobj::Object>> ScriptedProvider::execute_statements(const std::string& statements, bool) {
    std::lock_guard lock(mutex_);
    enter("execute_statements");
    std::vector<gobj::Ref<gobj::Object>> results;
    for (const auto& statement : split_statements(statements)) {
        try {
            const Answer& a = lookup(statement);
            if (a.kind == Answer::Kind::affected) {
                results.emplace_back(ValueUInt64::create(static_cast<guint64>(a.affected)));
            } else {
                results.emplace_back(fill_model(reader_for(a)));
            }
        } catch (const gobj::Error& e) {
            results.emplace_back(ValueError::create(e.code(), e.message()));
        }
    }
    return results;
}

gobj::Ref<IDataReader> ScriptedProvider::execute_reader(const std::string& statement) {
    std::lock_guard lock(mutex_);
    enter("execute_reader");
    const Answer& a = lookup(statement);
    if (a.kind == Answer::Kind::affected) throw gobj::Error("Scripted", -1, "No data return by non-select statement");
    return reader_for(a);
}

bool ScriptedProvider::transaction() {
    std::lock_guard lock(mutex_);
    enter("transaction");
    in_transaction_ = true;
    return true;
}
void ScriptedProvider::commit() {
    std::lock_guard lock(mutex_);
    enter("commit");
    in_transaction_ = false;
}
void ScriptedProvider::rollback() {
    std::lock_guard lock(mutex_);
    enter("rollback");
    in_transaction_ = false;
}
bool ScriptedProvider::get_is_opened() {
    std::lock_guard lock(mutex_);
    ++calls_["get_is_opened"];
    return opened_;
}

}  // namespace tarvelin::test

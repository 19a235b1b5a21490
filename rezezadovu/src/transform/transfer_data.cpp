// The transfer's data copy: the selected tables of a freshly read source tree are emptied
// on the target children first, then filled parents first (the order the CREATE step
// used), each page by page in primary-key order. A page of a single integer key starts
// after the last key of the one before (an OFFSET reads and drops every row before it).
// A page goes in one transaction where the target rolls back whole (copy_in_transaction),
// its rows in statements of several rows where the target's dialect takes them (COPY,
// else a multi-row INSERT: Statement::send_rows). A page or statement the target refuses
// is rolled back and sent again row by row, so each row still succeeds or fails alone.
// A target whose session is gone stops the copy with that error, whatever CONTINUE says.
// The source reads the next page on a thread of its own while the target writes one.
#include <algorithm>
#include <future>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/call.hpp"
#include "rezezadovu/model/constraints/meta_constraint.hpp"
#include "rezezadovu/supports/database/dialect_support.hpp"
#include "rezezadovu/supports/database/sql_builder.hpp"
#include "rezezadovu/supports/database/statement.hpp"
#include "rezezadovu/transform/transfer.hpp"

TARVELIN_LOG_TAG("transfer")

namespace tarvelin::rezezadovu::transform {

using namespace meta_model;
using providers::contracts::IInteger;
using providers::contracts::TableModel;
using providers::contracts::ValueBinary;
using providers::contracts::ValueObject;
using supports::database::SqlBuilder;
using supports::database::Statement;

namespace {

constexpr gint64 kDefaultBatch = 1000;

// The target's session ended under a page: the copy stops, whatever CONTINUE says.
class TargetLost : public gobj::Error {
public:
    explicit TargetLost(const gobj::Error& error) : gobj::Error(error) {}
};

std::string text(const char* s) { return s ? s : ""; }

std::string joined(const std::vector<std::string>& items, const char* by) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) out += (i ? by : "") + items[i];
    return out;
}

std::string trimmed(const std::string& s) {
    size_t begin = 0, end = s.size();
    while (begin < end && g_ascii_isspace(s[begin])) ++begin;
    while (end > begin && g_ascii_isspace(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

std::string quoted(const gobj::Ref<IStatement>& statement, const std::string& name) {
    return gobj::call<&CStatementVt::quote_identifier>(statement, name, "");
}

// The table's key columns in key order, from the columns' flags or else its primary key.
std::vector<std::string> key_columns(MetaTable& table) {
    std::vector<std::pair<int, std::string>> flagged;
    for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns()))
        if (column->get_is_primary_key()) flagged.emplace_back(column->get_primary_ordinal(), text(column->get_name()));
    std::stable_sort(flagged.begin(), flagged.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (auto& [ordinal, name] : flagged) out.push_back(name);
    if (!out.empty()) return out;
    // Some adapters record the key as a unique constraint marked primary.
    for (auto constraint : gobj::GeeArray<MetaConstraint>::wrap(table.get_constraints())) {
        auto* key = dynamic_cast<MetaUnique*>(constraint.get());
        if (!key || !key->get_is_primary_key()) continue;
        std::string columns = text(key->get_columns());
        for (size_t begin = 0, end; begin <= columns.size(); begin = end + 1) {
            end = columns.find(',', begin);
            if (end == std::string::npos) end = columns.size();
            std::string name = trimmed(columns.substr(begin, end - begin));
            if (!name.empty()) out.push_back(name);
        }
        break;
    }
    return out;
}

// The number a count statement gave; anything but an integer value fails the table.
gint64 row_count(const gobj::Ref<ValueObject>& value, const std::string& label) {
    if (value && G_TYPE_CHECK_INSTANCE_TYPE(value.gobj(), IInteger::gtype()))
        return gobj::call<&TarvelinProvidersContractsIIntegerInterface::to_integer>(value);
    std::string shown = value ? value->to_string() : "";
    throw gobj::Error("Transfer", -1,
                      gobj::take_string(g_strdup_printf(_("The row count of %s is not an integer: \"%s\""),
                                                        label.c_str(), shown.c_str())));
}

std::string literal_of(const gobj::Ref<IStatement>& statement, DataType type, const gobj::Ref<ValueObject>& value) {
    // Bytes travel as their hexadecimal digits: a display text stops at the first zero byte.
    if (auto* bytes = dynamic_cast<ValueBinary*>(value.get())) {
        if (type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY && type != TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB)
            type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY;
        return gobj::call<&CStatementVt::pack_value>(statement, type, bytes->to_hexadecimal());
    }
    return gobj::call<&CStatementVt::pack_value>(statement, type, value->exact_text());
}

// A page query and the rows it read.
struct Page {
    std::string sql;
    gobj::Ref<TableModel> rows;
};

// The key of a page's last row as the digits of an integer, or "" when it is none.
std::string last_integer_key(TableModel& page, int key_index) {
    const guint rows = page.list_n_items();
    if (rows == 0) return {};
    auto value = page.get_value_at(key_index, static_cast<gint>(rows - 1));
    if (!value || value->get_is_null() || !G_TYPE_CHECK_INSTANCE_TYPE(value.gobj(), IInteger::gtype())) return {};
    std::string digits = value->to_string();
    const size_t sign = !digits.empty() && digits[0] == '-' ? 1 : 0;
    if (digits.size() == sign || digits.find_first_not_of("0123456789", sign) != std::string::npos) return {};
    return digits;
}

std::string insert_text(const gobj::Ref<IStatement>& statement, const std::string& schema, const std::string& table,
                        const std::vector<std::string>& columns, const std::vector<std::string>& values) {
    auto c_texts = [](const std::vector<std::string>& texts) {
        std::vector<gchar*> out;
        for (const auto& t : texts) out.push_back(const_cast<gchar*>(t.c_str()));
        out.push_back(nullptr);
        return out;
    };
    auto c_columns = c_texts(columns), c_values = c_texts(values);
    return gobj::call<&CStatementVt::build_sql_insert>(statement, schema, table, c_columns.data(),
                                                       static_cast<gint>(columns.size()), c_values.data(),
                                                       static_cast<gint>(values.size()));
}

}  // namespace

struct Transfer::TablePlan {
    std::string label;  // database.schema.table of the source, as the lines name it
    std::string target_schema, target_table;
    std::vector<std::string> target_names;
    std::vector<std::string> target_columns;  // quoted by the target
    std::string source_columns;               // quoted by the source, joined by ", "
    std::string order;                        // quoted by the source
    gint64 batch = kDefaultBatch;
    std::vector<std::string> filters;
    // What the target dialect's copy hooks are told, and its clause for the INSERTs.
    Statement::CopyTarget copy;
    std::string insert_clause;
    // Rows per statement, and whether a page goes in one transaction (the target's hooks).
    size_t per_insert = 1;
    bool in_transaction = false;
    // The page key when the table has a key of one column among the copied ones: its
    // position in the page and its name quoted by the source; -1 for pages by offset.
    int key_index = -1;
    std::string key;
};

Transfer::TablePlan Transfer::plan_of(const Run& run, MetaSchema& schema, MetaTable& table) {
    TablePlan plan;
    const std::string s = text(schema.get_name()), t = text(table.get_name());
    plan.label = text(schema.get_database()) + "." + s + "." + t;
    plan.target_schema = option_true(option_key("schema", s, "MODE")) ? option_or(option_key("schema", s, "NAME"), s) : s;
    const bool customised = option_true(option_key("table", t, "MODE"));
    plan.target_table = customised ? option_or(option_key("table", t, "NAME"), t) : t;

    std::vector<std::string> source_names;
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string fields = customised ? option_or(option_key("table", t, "FIELDS"), "ALL") : "ALL";
    if (fields != "ALL") pairs = field_pairs(fields);
    if (pairs.empty()) {
        for (auto column : gobj::GeeArray<MetaColumn>::wrap(table.get_columns())) {
            source_names.push_back(text(column->get_name()));
            plan.target_names.push_back(text(column->get_name()));
        }
    } else {
        for (const auto& [from, to] : pairs) {
            source_names.push_back(from);
            plan.target_names.push_back(to);
        }
    }
    auto source = statement_of(run.source), target = statement_of(run.target);
    std::vector<std::string> quoted_sources;
    for (const auto& name : source_names) quoted_sources.push_back(quoted(source, name));
    plan.source_columns = joined(quoted_sources, ", ");
    for (const auto& name : plan.target_names) plan.target_columns.push_back(quoted(target, name));

    plan.copy = {plan.target_schema, plan.target_table, {}};
    for (size_t i = 0; i < source_names.size(); ++i)
        plan.copy.columns.push_back({plan.target_names[i], table.get_column(source_names[i].c_str())});
    if (auto* dialect = Statement::of(target); dialect && !plan.copy.columns.empty()) {
        plan.insert_clause = dialect->copy_insert_clause(plan.copy);
        plan.per_insert = static_cast<size_t>(std::max(1, dialect->copy_rows_per_insert(plan.copy)));
        plan.in_transaction = dialect->copy_in_transaction(plan.copy);
    }

    // Pages in one fixed order, so that together they give each row once.
    std::vector<std::string> keys = key_columns(table);
    if (keys.empty()) {
        plan.order = plan.source_columns;
    } else {
        if (keys.size() == 1) {
            auto at = std::find(source_names.begin(), source_names.end(), keys.front());
            if (at != source_names.end()) plan.key_index = static_cast<int>(at - source_names.begin());
        }
        for (auto& key : keys) key = quoted(source, key);
        plan.order = joined(keys, ", ");
        if (plan.key_index >= 0) plan.key = keys.front();
    }

    if (customised) {
        std::string batch = option_or(option_key("table", t, "BATCH"), "1000");
        // Base 0, as C reads numbers ("0x10" is 16); text that is not a whole number reads as 0.
        std::string digits = trimmed(batch);
        gchar* end = nullptr;
        gint64 n = g_ascii_strtoll(digits.c_str(), &end, 0);
        if (digits.empty() || !end || *end || n > G_MAXINT) n = 0;
        if (n <= 0) {
            tlog_warning("BATCH of %s is not a positive number: %s; %d used", plan.label.c_str(), batch.c_str(),
                         static_cast<int>(kDefaultBatch));
            note(run, time_stamp() + " BATCH of " + plan.label + " is not a positive number: " + batch + "; 1000 used");
            n = kDefaultBatch;
        }
        plan.batch = n;
        std::string records = option_or(option_key("table", t, "RECORDS"), "");
        size_t begin = 0;
        if (records.find(';') == std::string::npos) {
            plan.filters.push_back(records);
        } else {
            for (size_t end; begin <= records.size(); begin = end + 1) {
                end = records.find(';', begin);
                if (end == std::string::npos) end = records.size();
                plan.filters.push_back(records.substr(begin, end - begin));
            }
        }
    } else {
        plan.filters.push_back("");
    }
    return plan;
}

void Transfer::transfer_user_data(const Run& run, MetaDatabase& database, bool go_on) {
    tlog_warning("Call transfer_user_data...");
    for (auto schema : gobj::GeeArray<MetaSchema>::wrap(database.get_schemas())) {
        if (!option(option_key("schema", text(schema->get_name()), "MODE"))) continue;
        SqlBuilder::order_by_dependence(*schema, 0);
        std::vector<gobj::Ref<MetaTable>> tables;
        std::vector<TablePlan> plans;
        for (auto table : gobj::GeeArray<MetaTable>::wrap(schema->get_tables())) {
            if (!option(option_key("table", text(table->get_name()), "MODE"))) continue;
            plans.push_back(plan_of(run, *schema, *table));
            tables.push_back(table);
        }
        // Children are emptied before their parents, parents filled before their children.
        std::vector<bool> emptied(tables.size(), false);
        for (size_t i = tables.size(); i-- > 0;) {
            try {
                empty_target(run, *schema, *tables[i], plans[i]);
                emptied[i] = true;
            } catch (const gobj::Error& e) {
                count(run, false, time_stamp() + " transfer table data " + plans[i].label + "......\n" + e.message());
                tlog_warning("Transfer table: %s......[failed]", plans[i].label.c_str());
                if (!go_on) throw;
            }
        }
        for (size_t i = 0; i < tables.size(); ++i)
            if (emptied[i]) transfer_userdata_table(run, *schema, *tables[i], plans[i]);
        // Views receive no rows (transfer_userdata_view).
    }
    tlog_warning("Call transfer_user_data...[done]");
}

void Transfer::empty_target(const Run& run, MetaSchema& schema, MetaTable&, const TablePlan& plan) {
    auto target = statement_of(run.target);
    std::string sql = gobj::call<&CStatementVt::empty_table>(target, text(schema.get_database()), plan.target_schema,
                                                             plan.target_table);
    try {
        run_statement(run.target, sql);
    } catch (const gobj::Error& e) {
        // TRUNCATE refuses a table that a foreign key references, even when the children
        // are already empty; a DELETE without condition does not.
        std::string delete_all = gobj::call<&CStatementVt::build_sql_delete>(
            target, plan.target_schema, plan.target_table, static_cast<gchar**>(nullptr), 0,
            static_cast<gchar**>(nullptr), 0);
        tlog_warning("Empty table: %s -> %s; %s", sql.c_str(), e.message().c_str(), delete_all.c_str());
        try {
            run_statement(run.target, delete_all);
        } catch (const gobj::Error&) {
            throw e;
        }
    }
    note(run, time_stamp() + " truncate table: " + text(schema.get_database()) + "." + plan.target_schema + "." +
                  plan.target_table + "......[done]");
}

void Transfer::transfer_userdata_table(const Run& run, MetaSchema& schema, MetaTable& table, const TablePlan& plan) {
    const bool go_on = option_true(option_key("OPTION", "RESULT", "CONTINUE"));
    const std::string database = text(schema.get_database()), schema_name = text(schema.get_name()),
                      name = text(table.get_name());
    tlog_warning("Transfer table: %s", plan.label.c_str());
    try {
        auto source = statement_of(run.source), target = statement_of(run.target);
        auto* dialect = Statement::of(target);
        // Session settings the copied keys need, set back whatever happens.
        Statement::CopySession session;
        if (dialect) session = dialect->copy_session(plan.copy);
        for (const auto& sql : session.before) run_statement(run.target, sql);
        struct Restore {
            const Run& run;
            const std::vector<std::string>& statements;
            ~Restore() {
                for (const auto& sql : statements) {
                    try {
                        run_statement(run.target, sql);
                    } catch (const gobj::Error& e) {
                        tlog_warning("%s: %s", sql.c_str(), e.message().c_str());
                    }
                }
            }
        } restore_session{run, session.after};
        gint64 copied = 0;  // rows of the table written so far
        tlog_warning("Recordsets: %d -> %s", static_cast<int>(plan.filters.size()), joined(plan.filters, ";").c_str());
        for (const auto& filter : plan.filters) {
            const std::string where = trimmed(filter);
            std::string count_sql = gobj::call<&CStatementVt::show_effected>(source, database, schema_name, name, where);
            auto value = gobj::call<&CConnectionVt::execute_as_scalar>(run.source, count_sql, false);
            const gint64 rows = row_count(value, plan.label);
            tlog_warning("Handle recordset: %s -> %lld\n%s", filter.c_str(), static_cast<long long>(rows),
                         count_sql.c_str());
            // The last key read, as a bare integer, while pages go by key.
            std::string last_key;
            bool by_key = plan.key_index >= 0;
            auto query_at = [&](gint64 offset) {
                std::string page_where = where;
                if (by_key && !last_key.empty()) {
                    page_where = (where.empty() ? "" : "(" + where + ") AND ") + plan.key + " > " + last_key;
                    offset = 0;
                }
                return gobj::call<&CStatementVt::show_content>(source, database, schema_name, name,
                                                               plan.source_columns, page_where, plan.order, offset,
                                                               static_cast<gint>(plan.batch));
            };
            // The source reads the next page while the target writes this one.
            auto read = [&run](std::string sql) {
                auto rows = gobj::call<&CConnectionVt::execute_as_model>(run.source, sql, false);
                Page page{std::move(sql), std::move(rows)};
                if (!page.rows) throw gobj::Error("Transfer", -1, _("The source gave no rows for the page query."));
                return page;
            };
            const gint64 pages = rows > plan.batch ? (rows + plan.batch - 1) / plan.batch : 1;
            auto next = std::async(std::launch::async, read, query_at(0));
            for (gint64 at = 0; at < pages; ++at) {
                Page page = next.get();
                if (by_key) {
                    last_key = last_integer_key(*page.rows, plan.key_index);
                    // A key that is no integer (SQLite lets a key column hold anything) goes
                    // on by offset, in the same order.
                    by_key = !last_key.empty();
                }
                if (at + 1 < pages) next = std::async(std::launch::async, read, query_at((at + 1) * plan.batch));
                tlog_warning("Transfer recordset: %u ==>\n%s", page.rows->list_n_items(), page.sql.c_str());
                note(run, time_stamp() + " transfer data " + plan.label + "......\n" + page.sql);
                try {
                    copied += transfer_data_model(run, *page.rows, plan);
                } catch (const TargetLost& e) {
                    throw TargetLost(gobj::Error(
                        e.domain(), e.code(),
                        gobj::take_string(g_strdup_printf(_("the connection to the target was lost after %" G_GINT64_FORMAT
                                                            " rows of the table were copied: %s"),
                                                          copied, e.message().c_str()))));
                }
            }
        }
        // The target's counters (sequences) moved past the copied values.
        if (dialect) {
            for (const auto& sql : dialect->after_copy(plan.copy)) {
                tlog_warning("Advance sequence: %s", sql.c_str());
                run_statement(run.target, sql);
            }
        }
        count(run, true, time_stamp() + " transfer table data " + plan.label + "......[done]\n");
        tlog_warning("Transfer table: %s......[done]", plan.label.c_str());
    } catch (const gobj::Error& e) {
        count(run, false, time_stamp() + " transfer table data " + plan.label + "......\n" + e.message());
        tlog_warning("Transfer table: %s......[failed]", plan.label.c_str());
        if (!go_on || dynamic_cast<const TargetLost*>(&e)) throw;
    }
}

gint64 Transfer::transfer_data_model(const Run& run, TableModel& page, const TablePlan& plan) {
    const auto& columns = page.get_columns();
    tlog_warning("Call transfer_data_model: %s.%s(%s), values(%d)", plan.target_schema.c_str(),
                 plan.target_table.c_str(), joined(plan.target_names, ", ").c_str(), columns.size());
    const size_t n = std::min(plan.target_columns.size(), static_cast<size_t>(columns.size()));
    std::vector<DataType> types;
    for (size_t i = 0; i < n; ++i) types.push_back(columns.at(static_cast<int>(i))->get_data_type());
    const std::vector<std::string> names(plan.target_columns.begin(), plan.target_columns.begin() + n);
    auto target = statement_of(run.target);
    auto* dialect = n ? Statement::of(target) : nullptr;
    const size_t per_insert = dialect ? plan.per_insert : 1;

    // Each row's packed values and its own INSERT, which its counted line shows also when
    // it travelled with others.
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> statements;
    for (auto row : page.get_rows()) {
        std::vector<std::string> values;
        for (size_t i = 0; i < n; ++i) {
            auto value = row->get_value_at(static_cast<gint>(i));
            values.push_back(!value || value->get_is_null() ? std::string("NULL") : literal_of(target, types[i], value));
        }
        std::string sql = insert_text(target, plan.target_schema, plan.target_table, names, values);
        if (!plan.insert_clause.empty()) {
            const std::string tail = ") VALUES(" + joined(values, ", ") + ");";
            if (sql.size() > tail.size() && sql.compare(sql.size() - tail.size(), tail.size(), tail) == 0)
                sql.insert(sql.size() - tail.size() + 1, " " + plan.insert_clause);
        }
        statements.push_back(std::move(sql));
        rows.push_back(std::move(values));
    }

    gint64 written = 0;
    auto row_in = [&](size_t r) {
        tlog_debug("Insert SQL: %s", statements[r].c_str());
        count(run, true, time_stamp() + " " + statements[r]);
        ++written;
    };
    // The target is gone: every row of the page from `r` on did not arrive.
    auto lost = [&](size_t r, const gobj::Error& e) {
        for (; r < rows.size(); ++r) count(run, false, time_stamp() + " " + statements[r] + "\n" + e.message());
        throw TargetLost(e);
    };
    // Rows [begin, end) as statements: runs of rows that one statement may carry.
    auto statements_of = [&](size_t begin, size_t end) {
        std::vector<std::pair<size_t, size_t>> runs;
        Statement::CopyGroup group;
        for (size_t r = begin; r < end; ++r) {
            const size_t size = Statement::CopyGroup::size_of(rows[r]);
            if (!group.takes(size, per_insert)) {
                runs.emplace_back(r - group.rows.size(), r);
                group.clear();
            }
            group.add({}, size);
        }
        if (!group.rows.empty()) runs.emplace_back(end - group.rows.size(), end);
        return runs;
    };
    auto send = [&](size_t begin, size_t end) {
        if (end - begin == 1) {
            run_statement(run.target, statements[begin]);
            return;
        }
        const std::vector<std::vector<std::string>> some(rows.begin() + begin, rows.begin() + end);
        dialect->send_rows(plan.copy, names, some, plan.insert_clause);
    };
    // Each row its own statement: a refused row is counted and the copy goes on, whatever
    // CONTINUE says.
    auto one_by_one = [&](size_t begin, size_t end) {
        for (size_t r = begin; r < end; ++r) {
            try {
                run_statement(run.target, statements[r]);
                row_in(r);
            } catch (const gobj::Error& e) {
                if (!supports::database::dialect::is_open(run.target)) lost(r, e);
                tlog_warning("Insert refused: %s", e.message().c_str());
                tlog_debug("Insert SQL: %s", statements[r].c_str());
                count(run, false, time_stamp() + " " + statements[r] + "\n" + e.message());
            }
        }
    };
    // The rows of one unit (the page in a transaction, else one statement's rows) all go
    // in or none does; a refused unit is sent again row by row, so each row still succeeds
    // or fails alone.
    auto unit = [&](size_t begin, size_t end, bool transaction) {
        try {
            if (transaction && !gobj::call<&CConnectionVt::transaction>(run.target))
                throw gobj::Error("Transfer", -1, _("The target opened no transaction."));
            for (const auto& [first, last] : statements_of(begin, end)) send(first, last);
            if (transaction) gobj::call<&CConnectionVt::commit>(run.target);
        } catch (const gobj::Error& e) {
            if (!supports::database::dialect::is_open(run.target)) lost(begin, e);
            if (transaction) {
                try {
                    gobj::call<&CConnectionVt::rollback>(run.target);
                } catch (const gobj::Error& again) {
                    if (!supports::database::dialect::is_open(run.target)) lost(begin, again);
                }
            }
            tlog_debug("%d rows refused together, sent again one by one: %s", static_cast<int>(end - begin),
                       e.message().c_str());
            one_by_one(begin, end);
            return;
        }
        for (size_t r = begin; r < end; ++r) row_in(r);
    };
    if (rows.size() > 1 && plan.in_transaction && dialect) {
        unit(0, rows.size(), true);
    } else if (per_insert > 1) {
        for (const auto& [first, last] : statements_of(0, rows.size())) {
            if (last - first > 1) {
                unit(first, last, false);
            } else {
                one_by_one(first, last);
            }
        }
    } else {
        one_by_one(0, rows.size());
    }
    tlog_warning("Call transfer_data_model......[done]");
    return written;
}

}  // namespace tarvelin::rezezadovu::transform

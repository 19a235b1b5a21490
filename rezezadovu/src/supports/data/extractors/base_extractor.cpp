#include "rezezadovu/supports/data/extractors/base_extractor.hpp"

#include <tarvelin/providers/mariadb.h>
#include <tarvelin/providers/mysql.h>

#include "providers/contracts/value_string.hpp"
#include "rezezadovu/foundation/logging_service.hpp"
#include "rezezadovu/supports/data/text_forms.hpp"
#include "rezezadovu/supports/database/database_helper.hpp"

TARVELIN_LOG_TAG("base_extractor")

namespace tarvelin::rezezadovu::supports::data::extractors {

using foundation::LoggingService;
using helpers::DatabaseHelper;
using ConnectionVt = TarvelinRezezadovuContractsDatabaseIConnectionInterface;
using StatementVt = TarvelinRezezadovuContractsDatabaseIStatementInterface;
using IStatement = contracts::database::IStatement;
using IConnection = contracts::database::IConnection;

TARVELIN_GTYPE(BaseExtractor, "TarvelinRezezadovuSupportsDataExtractorsBaseExtractor", gobj::Object,
               contracts::data::IExporter)

void BaseExtractor::describe(gobj::ClassSpec<BaseExtractor>& c) {
    using Self = BaseExtractor;
    TARVELIN_BASE_EXTRACTOR_PROPERTIES(TARVELIN_PROPERTY_INSTALL)
}

gobj::Ref<BaseExtractor> BaseExtractor::create(GType type, const char* file_ext) {
    return made<BaseExtractor>(type, file_ext);
}

namespace {

// A result of gobj::call as a Ref, whether the bridge typed it or gave the C pointer.
template <class T, class R>
gobj::Ref<T> owned(R&& result) {
    if constexpr (std::is_pointer_v<std::decay_t<R>>) {
        return gobj::Ref<T>::adopt(result);
    } else {
        return gobj::Ref<T>(std::forward<R>(result));
    }
}

gobj::Error refusal(std::string message) { return gobj::Error("default", -1, std::move(message)); }

bool is_boolean_word(std::string_view text) {
    auto is = [&](std::string_view word) {
        return text.size() == word.size() && g_ascii_strncasecmp(text.data(), word.data(), word.size()) == 0;
    };
    return is("true") || is("false");
}

std::string_view trimmed(std::string_view text) {
    const char* blanks = " \t\n\v\f\r";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string quoted_literal(std::string_view text, bool backslashes) {
    std::string literal = DatabaseHelper::quote(text, '\'');
    return backslashes ? replace_all(literal, "\\", "\\\\") : literal;
}

// The MySQL and MariaDB servers read a backslash in a literal as an escape.
bool backslash_escapes(const gobj::Ref<IConnection>& connection) {
    auto provider = gobj::call<&ConnectionVt::get_provider, gobj::borrow>(connection);
    gpointer p = gobj::detail::instance_arg(provider);
    return p && (G_TYPE_CHECK_INSTANCE_TYPE(p, tarvelin_providers_supports_my_sql_provider_get_type()) ||
                 G_TYPE_CHECK_INSTANCE_TYPE(p, tarvelin_providers_supports_maria_db_provider_get_type()));
}

const char* text_or_empty(const char* text) { return text ? text : ""; }

}  // namespace

// ---------------------------------------------------------------- options

std::optional<std::string> BaseExtractor::option(const char* key) const {
    return gobj::StringMap::wrap(GEE_MAP(get_options())).get(key);
}

std::string BaseExtractor::option_or(const char* key, const char* fallback) const {
    return option(key).value_or(fallback);
}

std::string BaseExtractor::required_option(const char* key) const {
    auto value = option(key);
    if (!value) throw gobj::Error("default", -1, gobj::take_string(g_strdup_printf(_("the option %s is not set"), key)));
    return *value;
}

guint BaseExtractor::row_count(TableModel& model) { return model.list_n_items(); }

gobj::Ref<BaseExtractor::TableModel> BaseExtractor::text_table(const Texts& names) {
    std::vector<DataType> types(names.size(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
    auto table = TableModel::create_with_types(types);
    int i = 0;
    for (const auto& column : table->get_columns()) column->set_name(names[i++]);
    return table;
}

namespace {
gobj::Ref<BaseExtractor::ValueObject> cell_of(const std::string& text) {
    return gobj::Ref<BaseExtractor::ValueObject>(providers::contracts::ValueString::create(text));
}
gobj::Ref<BaseExtractor::ValueObject> cell_of(const std::optional<std::string>& text) {
    if (!text) return gobj::Ref<BaseExtractor::ValueObject>(providers::contracts::ValueNull::create());
    return cell_of(*text);
}
template <class Cells>
void append_row(BaseExtractor::TableModel& table, const Cells& cells) {
    auto row = table.new_row();
    size_t count = std::min<size_t>(cells.size(), table.get_columns().size());
    for (size_t i = 0; i < count; ++i) row->set_value_at(gint(i), cell_of(cells[i]));
    table.append(row);
}
}  // namespace

void BaseExtractor::append_texts(TableModel& table, const Texts& texts) { append_row(table, texts); }

void BaseExtractor::append_cells(TableModel& table, const std::vector<std::optional<std::string>>& cells) {
    append_row(table, cells);
}

// ---------------------------------------------------------------- export

gint BaseExtractor::export_to_file(TableModel* model, const char* filename, ProgressCallback progress,
                                   gpointer progress_target) {
    LoggingService::info(nullptr, "export to file: %s", filename);
    gchar* text = g_strdup("");
    gint rows = 0;
    try {
        rows = export_to_text(model, &text, progress, progress_target);
    } catch (...) {
        g_free(text);
        throw;
    }
    gobj::Owned<gchar, &g_free> buffer(text);
    if (rows == 0) return 0;
    OutputFile file(filename);
    file.write(buffer.get() ? buffer.get() : "");
    file.close();
    return rows;
}

gint BaseExtractor::export_to_text(TableModel*, gchar**, ProgressCallback, gpointer) { return 0; }

gint BaseExtractor::rendered(ExportCells& cells, ExportOutput& out, const Render& render) {
    try {
        gint rows = render(cells, out);
        set_replaced_texts(cells.replaced());
        return rows;
    } catch (...) {
        set_replaced_texts(cells.replaced());
        throw;
    }
}

gint BaseExtractor::export_text(TableModel& model, gchar** buffer, const Render& render) {
    ExportCells cells(model);
    std::string text;
    ExportOutput out(text);
    gint rows = rendered(cells, out, render);
    g_free(*buffer);
    *buffer = gobj::dup_string(text);
    return rows;
}

gint BaseExtractor::export_file(TableModel& model, const char* filename, bool rowless_file, const Render& render) {
    set_replaced_texts(0);
    ExportCells cells(model);
    if (cells.rows() == 0 && !rowless_file) {
        // Rendered all the same, so that refused options are reported; nothing is written.
        std::string discarded;
        ExportOutput out(discarded);
        return rendered(cells, out, render);
    }
    OutputFile file(filename);
    ExportOutput out(file);
    gint rows = rendered(cells, out, render);
    file.close();
    return rows;
}

// ---------------------------------------------------------------- literals

std::string BaseExtractor::format_column_value(DataType type, ValueObject* data_value) {
    return DatabaseHelper::format_sql_value(type, *data_value);
}

std::string BaseExtractor::format_column_text(DataType type, const char* data_value) {
    return literal(type, SourceValue{data_value, false}, false);
}

std::string BaseExtractor::literal(DataType type, const SourceValue& value, bool backslashes) {
    std::string_view bare = trimmed(value.text);
    if (!DatabaseHelper::is_bare_type(type)) {
        if (bare.empty() && !value.quoted) return "NULL";
        return quoted_literal(value.text, backslashes);
    }
    if (bare.empty()) return "NULL";
    if (DatabaseHelper::is_number_literal(bare) ||
        (type == TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN && is_boolean_word(bare)))
        return std::string(bare);
    return quoted_literal(bare, backslashes);
}

// ---------------------------------------------------------------- row statements

struct BaseExtractor::Statements {
    gobj::Ref<IStatement> statement;
    std::string schema, table;
    Texts names, columns, literals, key_columns, key_literals;

    std::string checked(std::string sql) const {
        if (sql.empty())
            throw refusal(gobj::take_string(
                g_strdup_printf(_("the connection's statement gave no text for table %s"), table.c_str())));
        return sql;
    }
    std::string insert() const {
        return checked(gobj::call<&StatementVt::build_sql_insert>(statement, schema, table, columns, literals));
    }
    std::string update() const {
        return checked(gobj::call<&StatementVt::build_sql_update>(statement, schema, table, columns, literals,
                                                                  key_columns, key_literals));
    }
    std::string remove() const {
        return checked(
            gobj::call<&StatementVt::build_sql_delete>(statement, schema, table, key_columns, key_literals));
    }
};

BaseExtractor::Statements BaseExtractor::statements(const gobj::Ref<IConnection>& connection, MetaTable& table,
                                                    const Texts& fields, const std::vector<SourceValue>& values,
                                                    bool keys_needed) {
    Statements s;
    s.schema = text_or_empty(table.get_schema());
    s.table = text_or_empty(table.get_name());
    if (values.size() < fields.size())
        throw refusal(gobj::take_string(g_strdup_printf(_("the record has %u values for %u fields"),
                                                        guint(values.size()), guint(fields.size()))));
    s.statement = owned<IStatement>(gobj::call<&ConnectionVt::statement>(connection));
    if (!s.statement) throw refusal(_("the connection has no statement object"));
    bool backslashes = backslash_escapes(connection);
    Texts& names = s.names;
    for (const auto& column : gobj::GeeArray<meta_model::MetaColumn>::wrap(table.get_columns())) {
        const char* source = static_cast<const char*>(g_object_get_data(column.gobj(), "SOURCE"));
        if (!source || !*source) continue;
        for (size_t j = 0; j < fields.size(); ++j) {
            if (fields[j] != source) continue;
            const char* name = text_or_empty(column->get_name());
            names.emplace_back(name);
            s.columns.push_back(gobj::call<&StatementVt::quote_identifier>(s.statement, name, ""));
            s.literals.push_back(literal(column->get_data_type(), values[j], backslashes));
            break;
        }
    }
    if (s.columns.empty())
        throw refusal(gobj::take_string(
            g_strdup_printf(_("the record feeds no column of table %s"), s.table.c_str())));
    for (const auto& column : gobj::GeeArray<meta_model::MetaColumn>::wrap(table.get_columns())) {
        if (!column->get_is_primary_key()) continue;
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i] != text_or_empty(column->get_name())) continue;
            s.key_columns.push_back(s.columns[i]);
            s.key_literals.push_back(s.literals[i]);
            break;
        }
    }
    if (keys_needed && s.key_columns.empty())
        throw refusal(gobj::take_string(g_strdup_printf(
            _("the record feeds no primary-key column of table %s, so its statement would address every row"),
            s.table.c_str())));
    return s;
}

namespace {
std::vector<SourceValue> plain(const std::vector<std::string>& values) {
    std::vector<SourceValue> out;
    out.reserve(values.size());
    for (const auto& v : values) out.push_back(SourceValue{v, false});
    return out;
}
}  // namespace

std::string BaseExtractor::build_insert_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table,
                                                 const Texts& fields, const Texts& values) {
    return statements(connection, *table, fields, plain(values), false).insert();
}

std::string BaseExtractor::build_update_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table,
                                                 const Texts& fields, const Texts& values) {
    return statements(connection, *table, fields, plain(values), true).update();
}

std::string BaseExtractor::build_delete_data_sql(const gobj::Ref<IConnection>& connection, MetaTable* table,
                                                 const Texts& fields, const Texts& values) {
    return statements(connection, *table, fields, plain(values), true).remove();
}

// ---------------------------------------------------------------- the row step

BaseExtractor::RowStep BaseExtractor::row_step(const gobj::Ref<IConnection>& connection, MetaTable& table,
                                               const std::string& action, const Texts& fields,
                                               const std::vector<SourceValue>& values) {
    RowStep step;
    if (action == "append" || action == "replace") {
        auto s = statements(connection, table, fields, values, false);
        step.first = s.insert();
        step.names = std::move(s.names);
        step.columns = std::move(s.columns);
        step.literals = std::move(s.literals);
    } else if (action == "update") {
        step.first = statements(connection, table, fields, values, true).update();
    } else if (action == "merge") {
        auto s = statements(connection, table, fields, values, true);
        step.first = s.update();
        step.insert_after_nothing = s.insert();
    } else if (action == "delete") {
        step.first = statements(connection, table, fields, values, true).remove();
    }
    return step;
}

namespace {

gobj::Error as_row_error(const gobj::Error& e) {
    // A row step reports the driver's code and message in "default", whichever road ran it.
    return gobj::Error("default", e.code(), e.message());
}

struct AsyncStep {
    gobj::Ref<IConnection> connection;
    BaseExtractor::RowStep step;
};

void complete_with(GTask* task, const gobj::Error& error) {
    g_task_return_error(task, error.to_gerror());
    g_object_unref(task);
}

void statement_done(GObject*, GAsyncResult* result, gpointer data) {
    auto* task = static_cast<GTask*>(data);
    auto* s = static_cast<AsyncStep*>(g_task_get_task_data(task));
    try {
        gint64 affected = gobj::call<&ConnectionVt::execute_no_query_finish>(s->connection, result);
        if (affected == 0 && !s->step.insert_after_nothing.empty()) {
            std::string insert = std::exchange(s->step.insert_after_nothing, {});
            gobj::call<&ConnectionVt::execute_no_query_async>(s->connection, insert, &statement_done, task);
            return;
        }
        BaseExtractor::return_count(task, affected);
        g_object_unref(task);
    } catch (const gobj::Error& e) {
        complete_with(task, e);
    } catch (const std::exception& e) {
        complete_with(task, gobj::Error(G_IO_ERROR, G_IO_ERROR_FAILED, e.what()));
    }
}

}  // namespace

gint64 BaseExtractor::run_row_step(const gobj::Ref<IConnection>& connection, const RowStep& step) {
    if (step.first.empty()) return 0;
    try {
        gint64 affected = gobj::call<&ConnectionVt::execute_no_query>(connection, step.first, true);
        if (affected == 0 && !step.insert_after_nothing.empty())
            affected = gobj::call<&ConnectionVt::execute_no_query>(connection, step.insert_after_nothing, true);
        return affected;
    } catch (const gobj::Error& e) {
        throw as_row_error(e);
    }
}

void BaseExtractor::import_row(const gobj::Ref<IConnection>& connection, MetaTable& table, const Texts& fields,
                               const std::vector<SourceValue>& values, GAsyncReadyCallback callback, gpointer data) {
    GTask* task = g_task_new(gobj(), nullptr, callback, data);
    try {
        auto s = std::make_unique<AsyncStep>();
        s->connection = connection;
        s->step = row_step(connection, table, option_or("ACTION", ""), fields, values);
        if (s->step.first.empty()) {
            // Names no statement: nothing runs, and the record counts as done.
            return_count(task, 0);
            g_object_unref(task);
            return;
        }
        std::string first = s->step.first;
        g_task_set_task_data(task, s.release(), [](gpointer p) { delete static_cast<AsyncStep*>(p); });
        gobj::call<&ConnectionVt::execute_no_query_async>(connection, first, &statement_done, task);
    } catch (const gobj::Error& e) {
        complete_with(task, e);
    }
}

void BaseExtractor::import_row_to_table(gobj::Ref<IConnection> connection, gobj::Ref<MetaTable> table,
                                        const Texts& fields, const Texts& values, GAsyncReadyCallback callback,
                                        gpointer data) {
    import_row(connection, *table, fields, plain(values), callback, data);
}

gint64 BaseExtractor::import_row_to_table_finish(GAsyncResult* result) { return count_of(result); }

void BaseExtractor::return_count(GTask* task, gint64 count) {
    g_task_return_pointer(task, g_memdup2(&count, sizeof count), g_free);
}

gint64 BaseExtractor::count_of(GAsyncResult* result) {
    if (!g_task_is_valid(result, gobj()))
        throw gobj::Error(G_IO_ERROR, G_IO_ERROR_INVALID_ARGUMENT, _("the result is not one of this extractor's"));
    GError* error = nullptr;
    gobj::Owned<gint64, &g_free> count(static_cast<gint64*>(g_task_propagate_pointer(G_TASK(result), &error)));
    gobj::check(error);
    return count ? *count.get() : 0;
}

}  // namespace tarvelin::rezezadovu::supports::data::extractors

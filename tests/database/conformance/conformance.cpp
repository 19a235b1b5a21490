// The frame of the dialect conformance suite: the context's shared helpers, and the
// registration of each case per product, with the declared gaps of the product.
#include <gtest/gtest-spi.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "conformance/catalogue.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_object.hpp"
#include "support/facade_log.hpp"
#include "support/log_capture.hpp"
#include "support/servers.hpp"

namespace tarvelin::test::dialects {

// ---------------------------------------------------------------- context

GObject* Context::keep(gpointer object) {
    if (object) kept_.push_back(G_OBJECT(object));
    return G_OBJECT(object);
}

void Context::forget_objects() {
    for (GObject* o : kept_) g_object_unref(o);
    kept_.clear();
    adapter_ = nullptr;
    builder_ = nullptr;
    statement_ = nullptr;
}

CAdaptable* Context::adapter() {
    if (!adapter_)
        adapter_ = reinterpret_cast<CAdaptable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_adapter(connection())));
    return adapter_;
}

CBuildable* Context::builder() {
    if (!builder_)
        builder_ = reinterpret_cast<CBuildable*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_builder(connection())));
    return builder_;
}

CStatement* Context::statement() {
    if (!statement_)
        statement_ =
            reinterpret_cast<CStatement*>(keep(tarvelin_rezezadovu_contracts_database_iconnection_statement(connection())));
    return statement_;
}

namespace {


std::string value_text(GObject* value) {
    return take_text(tarvelin_providers_contracts_ivalue_to_string(reinterpret_cast<TarvelinProvidersContractsIValue*>(value)));
}

}  // namespace

std::string Context::run(const std::string& script) {
    GError* error = nullptr;
    gint length = 0;
    GObject** results =
        tarvelin_rezezadovu_contracts_database_iconnection_execute(connection(), script.c_str(), TRUE, &length, &error);
    std::string failures;
    if (error) {
        failures = std::string(error->message) + "\n";
        g_error_free(error);
    }
    for (gint i = 0; i < length; ++i) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(results[i], tarvelin_providers_contracts_value_error_get_type()))
            failures += "statement " + std::to_string(i) + ": " + value_text(results[i]) + "\n";
        g_object_unref(results[i]);
    }
    g_free(results);
    return failures;
}

gobj::Ref<providers::contracts::TableModel> Context::model(const std::string& sql) {
    GError* error = nullptr;
    auto* table = tarvelin_rezezadovu_contracts_database_iconnection_execute_as_model(connection(), sql.c_str(), TRUE,
                                                                                     &error);
    if (error) {
        ADD_FAILURE() << sql << ": " << error->message;
        g_error_free(error);
    }
    return gobj::Ref<providers::contracts::TableModel>::adopt(table);
}

std::vector<std::string> Context::rows(const std::string& sql) {
    std::vector<std::string> out;
    auto table = model(sql);
    if (!table) return out;
    for (auto row : table->get_rows()) {
        std::string line;
        bool first = true;
        for (auto value : row->get_values()) {
            line += (first ? "" : "|") + value->to_string();
            first = false;
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> Context::column_names(const std::string& sql) {
    std::vector<std::string> out;
    auto table = model(sql);
    if (!table) return out;
    for (auto column : table->get_columns()) out.push_back(column->get_name().value_or(""));
    return out;
}

std::string Context::sentinel() {
    auto counted = rows("SELECT count(*) FROM sentinel");
    return counted.size() == 1 ? counted[0] : "(no sentinel)";
}

bool Context::schema_exists(const std::string& name) {
    auto names = schema_names(*this, database);
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<HostileName> Context::hostile_names() const {
    // Each quote character closes the name early when it is not doubled (or escaped), and
    // what follows then runs as SQL of its own: dropping the sentinel.
    std::vector<HostileName> names = {
        {"SingleQuote", "q'); DROP TABLE sentinel; --"},
        {"DoubleQuote", "d\"); DROP TABLE sentinel; --"},
        {"Backquote", "b`); DROP TABLE sentinel; --"},
        {"Brackets", "k[x]]); DROP TABLE sentinel; --"},
        {"Semicolon", "s; DROP TABLE sentinel"},
        {"LineComment", "c-- x"},
        {"BlockComment", "c/* x"},
        {"Newline", "n\nDROP TABLE sentinel;"},
        {"Backslash", "e\\'); DROP TABLE sentinel; --"},
        {"NonAscii", "zürich_表_🙂"},
        {"MixedCase", "MixedCase"},
        {"ReservedWord", "select"},
        {"LengthLimit", std::string(name_limit, 'x')},
    };
    for (auto& name : names)
        if (auto substitute = name_substitutes.find(name.row); substitute != name_substitutes.end())
            name.text = substitute->second;
    return names;
}

std::optional<std::string> Context::gap(const std::string& case_name, const std::string& row) const {
    if (auto found = gaps.find(case_name + "_" + row); found != gaps.end()) return found->second;
    if (auto found = gaps.find(case_name); found != gaps.end()) return found->second;
    return std::nullopt;
}

// ---------------------------------------------------------------- registration

namespace {

// Keeps the SQLite driver's line per prepared statement of a script off the console.
class QuietScripts : public LogSink {
public:
    bool take(GLogLevelFlags level, const char* message) override {
        return (level & G_LOG_LEVEL_WARNING) && strstr(message, "Prepare: ") != nullptr;
    }
};

class Case : public ::testing::Test {
public:
    Case(Product product, std::string name, std::string row, CaseBody body)
        : product_(std::move(product)), name_(std::move(name)), row_(std::move(row)), body_(std::move(body)) {}

    void SetUp() override {
        ctx_ = product_.make();
        const std::string key = row_.empty() ? name_ : name_ + "_" + row_;
        if (auto limit = ctx_->unsupported.find(key); limit != ctx_->unsupported.end())
            GTEST_SKIP() << product_.name << " cannot carry it: " << limit->second;
        if (!ctx_->missing_server.empty()) {
            if (ci()) GTEST_FAIL() << server_missing_message(ctx_->missing_server);
            GTEST_SKIP() << server_missing_message(ctx_->missing_server);
        }
        ctx_->start();
    }
    void TearDown() override { ctx_.reset(); }

    void TestBody() override {
        auto gap = ctx_->gap(name_, row_);
        if (!gap) {
            body_(*ctx_);
            return;
        }
        // A declared gap: its failures are caught, and reported as the gap.
        ::testing::TestPartResultArray results;
        {
            ::testing::ScopedFakeTestPartResultReporter catching(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
            body_(*ctx_);
        }
        std::string first;
        bool skipped = false;
        for (int i = 0; i < results.size(); ++i) {
            const auto& result = results.GetTestPartResult(i);
            if (result.failed() && first.empty()) first = result.message();
            skipped = skipped || result.skipped();
        }
        if (skipped && first.empty()) GTEST_SKIP() << "declared gap: " << *gap;
        if (first.empty())
            ADD_FAILURE() << "declared gap \"" << *gap << "\" no longer fails: remove it from the " << product_.name
                          << " context";
        else
            GTEST_SKIP() << "declared gap: " << *gap << "\nfirst failure: " << first;
    }

private:
    // Connections log their statements through the facade, as in a host.
    FacadeLog log_;
    QuietScripts quiet_;
    Product product_;
    std::string name_, row_;
    CaseBody body_;
    std::unique_ptr<Context> ctx_;
};

}  // namespace

void register_product_case(const Product& product, const std::string& name, const std::string& row, CaseBody body) {
    const std::string suite = "Conformance/" + product.name;
    const std::string test = row.empty() ? name : name + "_" + row;
    ::testing::RegisterTest(suite.c_str(), test.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                            [=]() -> ::testing::Test* { return new Case(product, name, row, body); });
}

void register_case(const std::string& name, const std::string& row, CaseBody body,
                   std::function<bool(const Context&)> wanted) {
    for (const Product& product : products())
        if (!wanted || wanted(*product.make())) register_product_case(product, name, row, body);
}

std::string take_text(gchar* text) {
    std::string out = text ? text : "";
    g_free(text);
    return out;
}

std::string data_path(const std::string& name) { return std::string(TARVELIN_CONFORMANCE_DATA) + "/" + name; }

std::string read_text(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace tarvelin::test::dialects

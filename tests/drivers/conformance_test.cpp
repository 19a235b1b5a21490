// The cases every driver shares, run over each product through its test context
// (drivers/contexts.cpp). Only what one product alone does stays in its own suite.
#include <time.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include <tarvelin/providers/providers.h>

#include "drivers/context.hpp"
#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/error.hpp"
#include "support/servers.hpp"
#include "support/value_dump.hpp"

using namespace tarvelin;
using namespace tarvelin::test::drivers;
using providers::contracts::TableModel;
using providers::contracts::ValueObject;

namespace {

TarvelinProvidersContractsIProvider* c(GObject* provider) { return TARVELIN_PROVIDERS_CONTRACTS_IPROVIDER(provider); }

// Checks `error` against `want`; `what` names the operation in the failure text.
void expect_failure(const GError* error, const Failure& want, const std::string& what) {
    ASSERT_NE(error, nullptr) << what << " raised no error";
    EXPECT_STREQ(g_quark_to_string(error->domain), want.domain.c_str()) << what;
    EXPECT_EQ(error->code, want.code) << what;
    std::string message = error->message ? error->message : "";
    switch (want.match) {
    case Failure::Match::Whole:
        EXPECT_EQ(message, want.message) << what;
        break;
    case Failure::Match::Start:
        EXPECT_EQ(message.rfind(want.message, 0), 0u) << what << ": " << message;
        break;
    case Failure::Match::Part:
        EXPECT_NE(message.find(want.message), std::string::npos) << what << ": " << message;
        break;
    }
    EXPECT_FALSE(message.empty()) << what;
}

class Conformance : public ::testing::TestWithParam<Product> {
protected:
    void SetUp() override {
        ctx = GetParam().make();
        if (!ctx->missing_server.empty()) {
            if (test::ci()) GTEST_FAIL() << test::server_missing_message(ctx->missing_server);
            GTEST_SKIP() << test::server_missing_message(ctx->missing_server);
        }
    }
    void TearDown() override {
        if (made_table_ && !providers_.empty()) {
            GError* error = nullptr;
            tarvelin_providers_contracts_iprovider_execute_affect(c(providers_.front()),
                                                                  ctx->spell(ctx->sql.drop_table).c_str(), TRUE, &error);
            g_clear_error(&error);
        }
        for (GObject* p : providers_) g_object_unref(p);
    }

    // A provider the fixture releases: never opened, or opened on the product's server.
    GObject* fresh() {
        providers_.push_back(ctx->make());
        return providers_.back();
    }
    GObject* opened() {
        GObject* p = fresh();
        GError* error = nullptr;
        ctx->open(p, &error);
        gobj::check(error);
        return p;
    }
    // The case's table, made on `p` and dropped after the case.
    void make_table(GObject* p) {
        affect(p, ctx->spell(ctx->sql.create_table));
        made_table_ = true;
    }

    gint64 affect(GObject* p, const std::string& sql) {
        GError* error = nullptr;
        gint64 n = tarvelin_providers_contracts_iprovider_execute_affect(c(p), sql.c_str(), TRUE, &error);
        gobj::check(error);
        return n;
    }
    // The text of the value execute_scalar gives.
    std::string scalar(GObject* p, const std::string& sql) {
        GError* error = nullptr;
        auto value = gobj::Ref<ValueObject>::adopt(
            tarvelin_providers_contracts_iprovider_execute_scalar(c(p), sql.c_str(), TRUE, &error));
        gobj::check(error);
        return value ? value->to_string() : "(none)";
    }
    gobj::Ref<TableModel> model(GObject* p, const std::string& sql) {
        GError* error = nullptr;
        auto table = gobj::Ref<TableModel>::adopt(
            tarvelin_providers_contracts_iprovider_execute_model(c(p), sql.c_str(), TRUE, &error));
        gobj::check(error);
        return table;
    }
    // The case's table made by `statements` on `p`, and dropped after the case.
    void make_table_with(GObject* p, const std::vector<std::string>& statements) {
        for (const auto& sql : statements) affect(p, ctx->spell(sql));
        made_table_ = true;
    }
    // Drops the fixture's reference to `p` now.
    void forget(GObject* p) {
        std::erase(providers_, p);
        g_object_unref(p);
    }
    bool is_opened(GObject* p) { return tarvelin_providers_contracts_iprovider_get_is_opened(c(p)); }

    std::unique_ptr<Context> ctx;

private:
    std::vector<GObject*> providers_;
    bool made_table_ = false;
};

// ---------------------------------------------------------------- without a connection

TEST_P(Conformance, NeverOpenedProviderRefusesEveryOperation) {
    GObject* p = fresh();
    EXPECT_FALSE(is_opened(p));
    const Failure& want = ctx->not_opened;
    GError* error = nullptr;

    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_model(c(p), "SELECT 1", TRUE, &error), nullptr);
    expect_failure(error, want, "execute_model");
    g_clear_error(&error);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_affect(c(p), "SELECT 1", TRUE, &error), -1);
    expect_failure(error, want, "execute_affect");
    g_clear_error(&error);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_scalar(c(p), "SELECT 1", TRUE, &error), nullptr);
    expect_failure(error, want, "execute_scalar");
    g_clear_error(&error);
    gint length = 7;
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_statements(c(p), "SELECT 1", TRUE, &length, &error),
              nullptr);
    EXPECT_EQ(length, 0);
    expect_failure(error, want, "execute_statements");
    g_clear_error(&error);
    auto* reader = tarvelin_providers_contracts_iprovider_execute_reader(c(p), "SELECT 1", &error);
    if (ctx->can.reader_from_server) {
        EXPECT_EQ(reader, nullptr);
        expect_failure(error, want, "execute_reader");
    } else {
        EXPECT_NE(reader, nullptr);
        EXPECT_EQ(error, nullptr);
    }
    g_clear_object(&reader);
    g_clear_error(&error);

    gboolean began = tarvelin_providers_contracts_iprovider_transaction(c(p), &error);
    EXPECT_FALSE(began);
    if (ctx->can.transactions) expect_failure(error, want, "transaction");
    else EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
    tarvelin_providers_contracts_iprovider_commit(c(p), &error);
    if (ctx->can.transactions) expect_failure(error, want, "commit");
    else EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
    tarvelin_providers_contracts_iprovider_rollback(c(p), &error);
    if (ctx->can.transactions) expect_failure(error, want, "rollback");
    else EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
    EXPECT_FALSE(is_opened(p));
}

TEST_P(Conformance, OpensReopensAndClosesAndThenRefusesAsBefore) {
    GObject* p = fresh();
    auto property = [&] {
        gboolean opened = FALSE;
        g_object_get(p, "is-opened", &opened, nullptr);
        return bool(opened);
    };
    EXPECT_FALSE(is_opened(p));
    EXPECT_FALSE(property());
    GError* error = nullptr;
    ASSERT_TRUE(ctx->open(p, &error)) << error->message;
    EXPECT_TRUE(is_opened(p));
    EXPECT_TRUE(property());
    // Opening again replaces the connection.
    ASSERT_TRUE(ctx->open(p, &error)) << error->message;
    EXPECT_TRUE(is_opened(p));
    EXPECT_EQ(scalar(p, ctx->sql.probe), ctx->sql.probe_answer);

    tarvelin_providers_contracts_iprovider_close(c(p), &error);
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(is_opened(p));
    EXPECT_FALSE(property());
    tarvelin_providers_contracts_iprovider_close(c(p), &error);  // closing a closed provider is harmless
    EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
    EXPECT_EQ(tarvelin_providers_contracts_iprovider_execute_scalar(c(p), ctx->sql.probe.c_str(), TRUE, &error),
              nullptr);
    expect_failure(error, ctx->not_opened, "execute_scalar after close");
    g_clear_error(&error);
}

// ---------------------------------------------------------------- statements

// Products with tables.
class Tables : public Conformance {};
// Products whose data is their own: a real server or file.
class Data : public Conformance {};
// Products whose providers several threads share.
class Threads : public Conformance {};
// Products whose reader reads through its provider's connection.
class Readers : public Conformance {};

TEST_P(Tables, ATableTakesRowsAndCountsThem) {
    GObject* p = opened();
    EXPECT_TRUE(is_opened(p));
    make_table(p);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(affect(p, ctx->spell(ctx->sql.insert, n)), 1) << n;
    EXPECT_EQ(scalar(p, ctx->spell(ctx->sql.count)), "3");

    auto table = model(p, ctx->spell(ctx->sql.select));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->get_columns().size(), 1);
    EXPECT_EQ(table->get_columns().at(0)->get_name().value_or(""), "n");
    std::vector<std::string> seen;
    for (auto row : table->get_rows()) seen.push_back(row->get_values().at(0)->to_string());
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "3"}));
}

TEST_P(Conformance, ASyntaxErrorRaisesTheProductsRecordAndTheConnectionStaysUsable) {
    GObject* p = opened();
    GError* error = nullptr;
    auto table = gobj::Ref<TableModel>::adopt(
        tarvelin_providers_contracts_iprovider_execute_model(c(p), ctx->sql.syntax_error.c_str(), TRUE, &error));
    EXPECT_FALSE(table);
    expect_failure(error, ctx->syntax_error, ctx->sql.syntax_error);
    g_clear_error(&error);
    EXPECT_TRUE(is_opened(p));
    EXPECT_EQ(scalar(p, ctx->sql.probe), ctx->sql.probe_answer);
}

// ---------------------------------------------------------------- cells

// execute_model makes its cells when they are first read: they must be the cells the
// reader's get_value gives while it stands on the row, in every local zone.
TEST_P(Data, ModelCellsAreTheReadersCellsInEveryZone) {
    if (ctx->sql.typed_table.empty()) GTEST_SKIP() << "no typed table for " << ctx->product;
    GObject* p = opened();
    make_table_with(p, ctx->sql.typed_table);
    const std::string select = ctx->spell(ctx->sql.typed_select);
    const char* zones[] = {"America/New_York", "Asia/Tokyo", "Pacific/Kiritimati", "Australia/Lord_Howe", nullptr};
    for (const char* zone : zones) {
        SCOPED_TRACE(zone ? zone : "TZ unset");
        if (zone) {
            g_setenv("TZ", zone, TRUE);
        } else {
            g_unsetenv("TZ");
        }
        tzset();
        std::vector<std::string> want;
        GError* error = nullptr;
        auto* reader = tarvelin_providers_contracts_iprovider_execute_reader(c(p), select.c_str(), &error);
        gobj::check(error);
        ASSERT_NE(reader, nullptr);
        bool on_row = ctx->can.reader_starts_on_first_row ||
                      tarvelin_providers_contracts_idata_reader_read(reader, &error);
        for (int row = 0; on_row; ++row) {
            gint n = tarvelin_providers_contracts_idata_reader_get_field_count(reader);
            for (gint i = 0; i < n; ++i) {
                gpointer v = tarvelin_providers_contracts_idata_reader_get_value(reader, static_cast<guint16>(i), &error);
                gobj::check(error);
                want.push_back(std::to_string(row) + "." + std::to_string(i) + " " + test::value_dump(v));
                if (v) g_object_unref(v);
            }
            on_row = tarvelin_providers_contracts_idata_reader_read(reader, &error);
            gobj::check(error);
        }
        tarvelin_providers_contracts_idata_reader_close(reader, &error);
        g_clear_error(&error);
        g_object_unref(reader);

        auto table = model(p, select);
        auto got = test::table_dump(G_LIST_MODEL(table.gobj()));
        ASSERT_EQ(got.size(), want.size());
        ASSERT_FALSE(got.empty());
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], want[i]);
    }
    g_setenv("TZ", "UTC", TRUE);
    tzset();
}

// Every value leaves the driver as the server holds it, whether the table model or the
// reader makes it: exact_text gives the server's digits, years 1 and 9999 and every
// microsecond included (a transfer writes that text on the target).
TEST_P(Data, ValuesAtTheEndsOfTheirTypesLeaveExactly) {
    const auto& cases = ctx->sql.exact_values;
    if (cases.empty()) GTEST_SKIP() << "no exact values for " << ctx->product;
    GObject* p = opened();
    std::string create = "CREATE TABLE {t} (k INTEGER", insert = "INSERT INTO {t} VALUES (1";
    for (std::size_t i = 0; i < cases.size(); ++i) {
        create += ", c" + std::to_string(i) + " " + cases[i].type;
        insert += ", " + cases[i].literal;
    }
    make_table_with(p, {create + ")", insert + ")"});
    const std::string select = ctx->spell("SELECT * FROM {t}");

    auto table = model(p, select);
    auto rows = table->get_rows();
    ASSERT_EQ(rows.size(), 1);
    auto values = rows.at(0)->get_values();
    ASSERT_EQ(values.size(), static_cast<int>(cases.size() + 1));

    GError* error = nullptr;
    auto reader = gobj::Ref<GObject>::adopt(
        G_OBJECT(tarvelin_providers_contracts_iprovider_execute_reader(c(p), select.c_str(), &error)));
    gobj::check(error);
    auto* r = TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(reader.gobj());
    if (!ctx->can.reader_starts_on_first_row) {
        ASSERT_TRUE(tarvelin_providers_contracts_idata_reader_read(r, &error));
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& want = cases[i];
        SCOPED_TRACE(want.type + " " + want.literal);
        auto ordinal = static_cast<guint16>(i + 1);
        EXPECT_EQ(values.at(ordinal)->exact_text(), want.text) << "from the table model";
        auto cell = gobj::Ref<ValueObject>::adopt(
            tarvelin_providers_contracts_idata_reader_get_value(r, ordinal, &error));
        gobj::check(error);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->exact_text(), want.text) << "from the reader";
    }
}

// A value the server holds and no date-time of ours can reads as the server's text, beside
// the values of its column that are dates, so the table reads and nothing is lost.
TEST_P(Data, ValuesNoDateTimeHoldsReadAsTheServersText) {
    const auto& text_only = ctx->sql.text_only_values;
    if (text_only.empty()) GTEST_SKIP() << "every value of " << ctx->product << " is held";
    GObject* p = opened();
    const std::string select = ctx->spell("SELECT k, v FROM {t} ORDER BY k");
    std::vector<std::string> types;
    for (const auto& unheld : text_only)
        if (std::find(types.begin(), types.end(), unheld.type) == types.end()) types.push_back(unheld.type);
    for (const auto& type : types) {
        SCOPED_TRACE(type);
        // A value that is a date first, then every one of the type no date-time holds.
        std::vector<Spellings::Exact> rows;
        for (const auto& held : ctx->sql.exact_values)
            if (held.type == type && rows.empty()) rows.push_back(held);
        ASSERT_EQ(rows.size(), 1u) << "no value of the type a date-time holds";
        for (const auto& unheld : text_only)
            if (unheld.type == type) rows.push_back(unheld);
        std::vector<std::string> statements{"CREATE TABLE {t} (k INTEGER, v " + type + ")"};
        for (std::size_t i = 0; i < rows.size(); ++i)
            statements.push_back("INSERT INTO {t} VALUES (" + std::to_string(i) + ", " + rows[i].literal + ")");
        make_table_with(p, statements);

        auto table = model(p, select);
        auto model_rows = table->get_rows();
        ASSERT_EQ(model_rows.size(), static_cast<int>(rows.size()));
        GError* error = nullptr;
        auto reader = gobj::Ref<GObject>::adopt(
            G_OBJECT(tarvelin_providers_contracts_iprovider_execute_reader(c(p), select.c_str(), &error)));
        gobj::check(error);
        auto* r = TARVELIN_PROVIDERS_CONTRACTS_IDATA_READER(reader.gobj());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(rows[i].literal);
            if (i > 0 || !ctx->can.reader_starts_on_first_row) {
                ASSERT_TRUE(tarvelin_providers_contracts_idata_reader_read(r, &error));
            }
            auto from_reader =
                gobj::Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(r, 1, &error));
            gobj::check(error);
            ASSERT_TRUE(from_reader);
            auto from_model = model_rows.at(static_cast<int>(i))->get_values().at(1);
            for (const auto& value : {from_model, from_reader}) {
                EXPECT_EQ(value->exact_text(), rows[i].text);
                EXPECT_EQ(std::string(value->type_name()) == "TarvelinProvidersContractsValueString", i > 0) << value->type_name();
            }
        }
        affect(p, ctx->spell(ctx->sql.drop_table));
    }
}

// ---------------------------------------------------------------- transactions

TEST_P(Data, TransactionsCommitOrRollBackAsOthersSeeThem) {
    GObject* p = opened();
    make_table(p);
    std::string count = ctx->spell(ctx->sql.count);

    GError* error = nullptr;
    EXPECT_TRUE(tarvelin_providers_contracts_iprovider_transaction(c(p), &error));
    gobj::check(error);
    affect(p, ctx->spell(ctx->sql.insert, 1));
    tarvelin_providers_contracts_iprovider_rollback(c(p), &error);
    gobj::check(error);
    EXPECT_EQ(scalar(p, count), "0");

    EXPECT_TRUE(tarvelin_providers_contracts_iprovider_transaction(c(p), &error));
    gobj::check(error);
    affect(p, ctx->spell(ctx->sql.insert, 2));
    GObject* other = opened();
    EXPECT_EQ(scalar(other, count), "0");
    tarvelin_providers_contracts_iprovider_commit(c(p), &error);
    gobj::check(error);
    EXPECT_EQ(scalar(other, count), "1");
    EXPECT_EQ(scalar(other, ctx->spell(ctx->sql.select)), "2");

    // Outside a transaction both raise nothing.
    tarvelin_providers_contracts_iprovider_commit(c(p), &error);
    EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
    tarvelin_providers_contracts_iprovider_rollback(c(p), &error);
    EXPECT_EQ(error, nullptr);
    g_clear_error(&error);
}

// ---------------------------------------------------------------- threads

TEST_P(Threads, ConcurrentCallsOnOneProviderTakeTurns) {
    GObject* p = opened();
    make_table(p);
    constexpr int kThreads = 4;
    const int rounds = ctx->rounds;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < rounds; ++i) {
                try {
                    affect(p, ctx->spell(ctx->sql.insert, t * rounds + i));
                    if (!model(p, ctx->spell(ctx->sql.count))) ++failures;
                    if (!is_opened(p)) ++failures;
                } catch (const gobj::Error&) {
                    ++failures;
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(scalar(p, ctx->spell("SELECT count(DISTINCT n) FROM {t}")), std::to_string(kThreads * rounds));
}

// ---------------------------------------------------------------- readers

// The reader steps a result of the provider's connection: dropping the provider while
// the reader is alive must leave the connection open until the reader goes.
TEST_P(Readers, AHandedOutReaderKeepsItsProviderAlive) {
    GObject* p = opened();
    make_table(p);
    for (int n = 1; n <= 3; ++n) affect(p, ctx->spell(ctx->sql.insert, n));
    GError* error = nullptr;
    auto* reader = tarvelin_providers_contracts_iprovider_execute_reader(c(p), ctx->spell(ctx->sql.select).c_str(), &error);
    gobj::check(error);
    ASSERT_NE(reader, nullptr);

    // A second connection drops the table after the case; the first goes now.
    opened();
    gpointer watched = p;
    g_object_add_weak_pointer(G_OBJECT(watched), &watched);
    forget(p);
    EXPECT_NE(watched, nullptr);
    EXPECT_TRUE(tarvelin_providers_contracts_idata_reader_read(reader, &error));
    gobj::check(error);
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int64(reader, 0, &error),
              ctx->can.reader_starts_on_first_row ? 2 : 1);
    gobj::check(error);
    g_object_unref(reader);
    EXPECT_EQ(watched, nullptr);
}

std::string name_of(const ::testing::TestParamInfo<Product>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Drivers, Conformance, ::testing::ValuesIn(products()), name_of);
INSTANTIATE_TEST_SUITE_P(Drivers, Tables, ::testing::ValuesIn(products_that([](const Capabilities& can) {
                             return can.tables;
                         })),
                         name_of);
INSTANTIATE_TEST_SUITE_P(Drivers, Data, ::testing::ValuesIn(products_that([](const Capabilities& can) {
                             return can.tables && can.real_data;
                         })),
                         name_of);
INSTANTIATE_TEST_SUITE_P(Drivers, Threads, ::testing::ValuesIn(products_that([](const Capabilities& can) {
                             return can.tables && can.real_data && can.thread_safe;
                         })),
                         name_of);
INSTANTIATE_TEST_SUITE_P(Drivers, Readers, ::testing::ValuesIn(products_that([](const Capabilities& can) {
                             return can.tables && can.reader_holds_provider;
                         })),
                         name_of);

}  // namespace

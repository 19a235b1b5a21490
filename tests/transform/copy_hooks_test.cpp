// The transfer asks the target's statement how to copy into a table (its copy hooks) and
// never tests the statement's type: a dialect of the test's own shows what each hook is
// told and where its statements run, and a statement a host implemented in C, which has
// no C++ object behind it, gets the defaults. Both speak SQL Server's texts to a scripted
// server, where the statements sent are the outcome.
#include <algorithm>
#include <functional>
#include <memory>

#include "database/sqlserver/sqlserver_support.hpp"
#include "endpoints.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"
#include "support/facade_log.hpp"

namespace transform_test {

using rezezadovu::contracts::database::IStatement;
using rezezadovu::supports::database::ConnectionLink;
using rezezadovu::supports::database::SQLServerConnection;
using rezezadovu::supports::database::SQLServerStatement;
using CStatement = TarvelinRezezadovuContractsDatabaseIStatement;
using StatementVt = IStatement::Vtable;

// SQL Server's texts, with hooks whose statements are markers naming what they were told.
class MarkingStatement : public SQLServerStatement {
public:
    static GType gtype();

    CopySession copy_session(const CopyTarget& target) override {
        return {{"-- before " + target.table}, {"-- after " + target.table}};
    }
    // Each copied column as its target name and the source column it comes from.
    std::string copy_insert_clause(const CopyTarget& target) override {
        std::string clause = "/*";
        for (const auto& c : target.columns) {
            const char* from = c.source ? c.source->get_name() : nullptr;
            clause += " " + c.name + "=" + (from ? from : "?");
        }
        return clause + " */";
    }
    std::vector<std::string> after_copy(const CopyTarget& target) override {
        return {"-- copied " + target.schema + "." + target.table};
    }
};
TARVELIN_GTYPE(MarkingStatement, "TarvelinTestMarkingStatement", SQLServerStatement)

// A SQL Server connection whose statement the test makes.
class HookedConnection : public SQLServerConnection {
public:
    static GType gtype();
    gobj::Ref<IStatement> statement() override {
        return lazy(m_statement, [&] { return make(reinterpret_cast<ConnectionLink::CConnection*>(gobj())); });
    }
    std::function<gobj::Ref<IStatement>(ConnectionLink::CConnection*)> make;
};
TARVELIN_GTYPE(HookedConnection, "TarvelinTestHookedConnection", SQLServerConnection)

namespace {

// A statement as a host writes it in C: each slot hands the call to a SQL Server
// statement it holds, and nothing of ours stands behind the instance itself.
struct HostStatement {
    GObject parent;
    GObject* inner;
};

template <auto Slot>
struct Forward;
template <class R, class... A, R (*StatementVt::*Slot)(CStatement*, A...)>
struct Forward<Slot> {
    static R call(CStatement* self, A... args) {
        auto* inner = reinterpret_cast<CStatement*>(reinterpret_cast<HostStatement*>(self)->inner);
        auto* vt = static_cast<StatementVt*>(g_type_interface_peek(G_OBJECT_GET_CLASS(inner), IStatement::gtype()));
        return (vt->*Slot)(inner, args...);
    }
};

GType host_statement_type() {
    static const GType type = [] {
        GTypeInfo info{};
        info.class_size = sizeof(GObjectClass);
        info.class_init = [](gpointer klass, gpointer) {
            G_OBJECT_CLASS(klass)->finalize = [](GObject* self) {
                g_clear_object(&reinterpret_cast<HostStatement*>(self)->inner);
                G_OBJECT_CLASS(g_type_class_peek(G_TYPE_OBJECT))->finalize(self);
            };
        };
        info.instance_size = sizeof(HostStatement);
        GType t = g_type_register_static(G_TYPE_OBJECT, "TarvelinTestHostStatement", &info, GTypeFlags(0));
        GInterfaceInfo iface{};
        iface.interface_init = [](gpointer vtable, gpointer) {
            auto* vt = static_cast<StatementVt*>(vtable);
#define FORWARD(slot) vt->slot = Forward<&StatementVt::slot>::call;
            FORWARD(build_connection_string) FORWARD(show_databases) FORWARD(show_tables) FORWARD(show_views)
            FORWARD(change_database) FORWARD(build_explain) FORWARD(build_analyze) FORWARD(show_table_spaces)
            FORWARD(show_table_schemas) FORWARD(show_checks) FORWARD(show_excludes) FORWARD(show_foreigns)
            FORWARD(show_rules) FORWARD(show_uniques) FORWARD(show_indexes) FORWARD(show_triggers)
            FORWARD(show_functions) FORWARD(show_procedures) FORWARD(call_function) FORWARD(call_procedure)
            FORWARD(show_source) FORWARD(show_structure) FORWARD(show_content) FORWARD(show_users)
            FORWARD(show_roles) FORWARD(show_user_detail) FORWARD(show_role_detail) FORWARD(show_user_rights)
            FORWARD(show_role_rights) FORWARD(grant_user_rights) FORWARD(revoke_user_rights)
            FORWARD(grant_role_rights) FORWARD(revoke_role_rights) FORWARD(show_privileges)
            FORWARD(flush_privileges) FORWARD(show_effected) FORWARD(show_relations) FORWARD(rename_object)
            FORWARD(drop_object) FORWARD(empty_table) FORWARD(transaction) FORWARD(rollback) FORWARD(commit)
            FORWARD(pack_value) FORWARD(quote_identifier) FORWARD(build_sql_update) FORWARD(build_sql_insert)
            FORWARD(build_sql_delete) FORWARD(build_sql_view)
#undef FORWARD
        };
        g_type_add_interface_static(t, IStatement::gtype(), &iface);
        return t;
    }();
    return type;
}

gobj::Ref<IStatement> host_statement(ConnectionLink::CConnection* connection) {
    auto* made = static_cast<HostStatement*>(g_object_new(host_statement_type(), nullptr));
    made->inner = G_OBJECT(SQLServerStatement::create(SQLServerStatement::gtype(), connection).release());
    return gobj::Ref<IStatement>::adopt(made);
}

gobj::Ref<IStatement> marking_statement(ConnectionLink::CConnection* connection) {
    return gobj::Ref<IStatement>(
        rezezadovu::supports::database::create_linked<MarkingStatement>(MarkingStatement::gtype(), connection));
}

// An opened SQL Server connection over a scripted server, its statement made by `make`.
struct HookedTarget {
    explicit HookedTarget(std::function<gobj::Ref<IStatement>(ConnectionLink::CConnection*)> make) {
        test::sqlserver::answer_version(*provider, "15.0.2000.5");
        connection = gobj::ref_cast<HookedConnection>(SQLServerConnection::create(HookedConnection::gtype()));
        connection->make = std::move(make);
        connection->use_provider(gobj::Ref<providers::contracts::IProvider>(provider));
        GError* error = nullptr;
        tarvelin_rezezadovu_supports_database_connection_impl_open(
            reinterpret_cast<TarvelinRezezadovuSupportsDatabaseConnectionImpl*>(connection.gobj()),
            reinterpret_cast<TarvelinProvidersContractsServer*>(test::sqlserver::record().gobj()), nullptr, &error);
        EXPECT_EQ(test::describe(error), "(none)");
        provider->answer_affected("CREATE SCHEMA [dbo]", 0);
    }
    // Scripts each statement; the copy's statements from the first of them on, as sent.
    std::vector<std::string> sent_from(const std::vector<std::string>& script) const {
        auto sent = provider->statements();
        auto first = std::find(sent.begin(), sent.end(), script.front());
        return std::vector<std::string>(first, sent.end());
    }
    gobj::Ref<test::ScriptedProvider> provider = test::ScriptedProvider::create();
    gobj::Ref<HookedConnection> connection;
};

void script(test::ScriptedProvider& provider, const std::vector<std::string>& statements) {
    for (const auto& sql : statements) provider.answer_affected(sql, 1);
}

std::vector<std::pair<std::string, std::string>> copy_into_dbo(const std::vector<std::string>& tables) {
    std::vector<std::pair<std::string, std::string>> out = {{key("OPTION", "SOURCE", "DATABASE"), "main"},
                                                            {key("OPTION", "RESULT", "CONTINUE"), "true"},
                                                            {key("schema", "main", "MODE"), "true"},
                                                            {key("schema", "main", "NAME"), "dbo"}};
    for (const auto& t : tables) out.push_back({key("table", t, "MODE"), "true"});
    return out;
}

// A SQLite source whose table items has a counting key and two rows.
class CopyHooks : public ::testing::Test {
protected:
    void SetUp() override {
        source->run("CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT)");
        source->run("INSERT INTO items (id, name) VALUES (1, 'a'), (40, 'gap')");
    }
    test::FacadeLog facade{rezezadovu::contracts::log::kRisky};
    test::LogCapture quiet;
    TempDir dir;
    std::unique_ptr<Endpoint> source = sqlite_endpoint(dir.file("source.db"));
};

// What each hook is told and when its statements run: `before` ahead of the rows, the
// clause in every INSERT, `after_copy` once the rows are in, `after` last; `after` also
// when the copy of the table failed, but not when `before` did not run whole.
TEST_F(CopyHooks, RunAroundTheRowsOfEachTable) {
    source->run("CREATE TABLE broken (id INTEGER PRIMARY KEY)");
    source->run("CREATE TABLE refused (id INTEGER PRIMARY KEY)");
    source->run("INSERT INTO refused VALUES (5)");
    HookedTarget target(marking_statement);
    const std::vector<std::string> copy = {
        "DELETE FROM [dbo].[refused];",
        "DELETE FROM [dbo].[things];",
        "DELETE FROM [dbo].[broken];",
        // The page's count fails on the source: the table fails after `before` ran.
        "-- before broken",
        "-- after broken",
        "-- before things",
        "INSERT INTO [dbo].[things]([key], [title]) /* key=id title=name */ VALUES(1, N'a');",
        "INSERT INTO [dbo].[things]([key], [title]) /* key=id title=name */ VALUES(40, N'gap');",
        "-- copied dbo.things",
        "-- after things",
        // Not scripted, so the server refuses it: no rows and nothing to restore.
        "-- before refused",
    };
    script(*target.provider, std::vector<std::string>(copy.begin(), copy.end() - 1));

    auto pairs = copy_into_dbo({"broken", "items", "refused"});
    pairs.push_back({key("table", "broken", "RECORDS"), "no_such_column = 1"});
    pairs.push_back({key("table", "items", "NAME"), "things"});
    pairs.push_back({key("table", "items", "FIELDS"), "id=key;name=title"});
    Outcome out = run_transfer(source->connection, target.connection, pairs);

    EXPECT_EQ(target.sent_from(copy), copy);
    auto failed = [&](const std::string& table) {
        return std::count_if(out.lines.begin(), out.lines.end(), [&](const std::string& line) {
            return line.find("transfer table data main.main." + table + "......\n") != std::string::npos;
        });
    };
    EXPECT_EQ(failed("broken"), 1);
    EXPECT_EQ(failed("refused"), 1);
    EXPECT_EQ(failed("items"), 0);
}

// A statement of no dialect of ours asks for nothing: the SQL Server texts it hands on
// come without the session setting SQL Server's own statement asks for around copied
// identity values.
TEST_F(CopyHooks, AStatementAHostImplementedGetsTheDefaults) {
    HookedTarget target(host_statement);
    const std::vector<std::string> copy = {
        "DELETE FROM [dbo].[items];",
        "INSERT INTO [dbo].[items]([id], [name]) VALUES(1, N'a');",
        "INSERT INTO [dbo].[items]([id], [name]) VALUES(40, N'gap');",
    };
    script(*target.provider, copy);

    Outcome out = run_transfer(source->connection, target.connection, copy_into_dbo({"items"}));

    EXPECT_EQ(target.sent_from(copy), copy);
    EXPECT_TRUE(std::any_of(out.lines.begin(), out.lines.end(), [](const std::string& line) {
        return line.find("transfer table data main.main.items......[done]") != std::string::npos;
    }));
}

}  // namespace
}  // namespace transform_test

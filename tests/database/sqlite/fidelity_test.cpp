// What a schema keeps through the dialect: made with SQLite's own client, read deep,
// scripted with build_schema, run on a new file with the client again, and compared by
// what SQLite itself reports of both files (its pragmas over every table and index, the
// stored text of indexes, triggers and views). Small schemas show one attribute each; real
// applications' schemas, as their Debian packages install them (scripts/deps), show them
// all together.
#include <glib/gstdio.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "dialect_fixture.hpp"
#include "support/servers.hpp"

namespace sqlite_dialect_test {
namespace {

// What SQLite reports of a file's schema, one line a fact. The names SQLite gives the
// indexes of UNIQUE and PRIMARY KEY constraints count in declaration order, which a script
// may change: they read "auto". Stored texts have their blanks and name quotes removed, and
// FOR EACH ROW (what every SQLite trigger is) dropped.
const char* const kDump = R"sql(
.headers off
.mode list
.nullvalue <null>
SELECT 'column', m.name, p.cid, p.name, p.type, p."notnull", p.dflt_value, p.pk, p.hidden
  FROM sqlite_master m, pragma_table_xinfo(m.name) p WHERE m.type = 'table' ORDER BY m.name, p.cid;
SELECT 'index', m.name, CASE l.origin WHEN 'c' THEN l.name ELSE 'auto' END, l."unique", l.origin, l.partial,
       (SELECT group_concat(k, ', ') FROM (SELECT coalesce(x.name, '<expression>') || ' ' || x.desc || ' ' || x.coll AS k
          FROM pragma_index_xinfo(l.name) x WHERE x.key = 1 ORDER BY x.seqno))
  FROM sqlite_master m, pragma_index_list(m.name) l WHERE m.type = 'table' ORDER BY 1, 2, 5, 7, 3;
SELECT 'foreign key', m.name, f.id, f.seq, f."table", f."from", f."to", f.on_update, f.on_delete, f."match"
  FROM sqlite_master m, pragma_foreign_key_list(m.name) f WHERE m.type = 'table' ORDER BY m.name, f.id, f.seq;
SELECT m.type, m.name, m.tbl_name,
       replace(replace(replace(replace(replace(replace(replace(upper(m.sql), ' ', ''), char(10), ''), char(13), ''),
               char(9), ''), '"', ''), '`', ''), 'FOREACHROW', '')
  FROM sqlite_master m WHERE m.type IN ('index', 'trigger', 'view') AND m.sql IS NOT NULL ORDER BY 1, 2;
)sql";

class SqliteFidelity : public Dialect {
protected:
    void SetUp() override {
        Dialect::SetUp();
        g_autofree gchar* sqlite3 = g_find_program_in_path("sqlite3");
        if (!sqlite3) {
            if (test::ci()) GTEST_FAIL() << "the sqlite3 client is missing: scripts/deps installs it";
            GTEST_SKIP() << "the sqlite3 client is not installed";
        }
    }

    // Runs `sql` on `file` with SQLite's own client; its output, or a failure.
    std::string client(const std::string& file, const std::string& sql) {
        const std::string input = path(file + ".in");
        std::ofstream(input) << sql;
        gchar* out = nullptr;
        gchar* err = nullptr;
        gint status = 0;
        const std::string command = "sqlite3 -bail " + gobj::take_string(g_shell_quote(path(file).c_str())) + " < " +
                                    gobj::take_string(g_shell_quote(input.c_str()));
        const gchar* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
        GError* error = nullptr;
        g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err,
                     &status, &error);
        std::string output = out ? out : "", errors = err ? err : "";
        g_free(out);
        g_free(err);
        g_remove(input.c_str());
        EXPECT_EQ(test::describe(error), "(none)");
        EXPECT_TRUE(g_spawn_check_wait_status(status, nullptr) && errors.empty())
            << "sqlite3 on " << file << ": " << errors << "\nin:\n" << sql;
        return output;
    }

    // The schema of main.db read deep through the dialect.
    Ref<MetaSchema> read(const std::string& file) {
        open(file);
        auto schema = MetaSchema::create_with_names(MetaSchema::gtype(), "fidelity", "main");
        GError* error = nullptr;
        tarvelin_rezezadovu_contracts_database_iadaptable_fill_meta_schema(
            adapter(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema->gobj()), TRUE, &error);
        EXPECT_EQ(test::describe(error), "(none)");
        return schema;
    }

    std::string script_of(MetaSchema& schema) {
        return take(tarvelin_rezezadovu_contracts_database_ibuildable_build_schema(
            builder(), reinterpret_cast<TarvelinRezezadovuMetaModelMetaSchema*>(schema.gobj()), TRUE));
    }

    // Makes `sql` in a new file, scripts what the dialect reads of it into another, and
    // expects SQLite to report the same schema of both; the schema read.
    Ref<MetaSchema> round_trip(const std::string& sql) {
        const std::string source = "source-" + std::to_string(++files_) + ".db";
        const std::string copy = "copy-" + std::to_string(files_) + ".db";
        client(source, sql);
        const std::string expected = client(source, kDump);
        auto schema = read(source);
        const std::string script = script_of(*schema);
        SCOPED_TRACE("script:\n" + script);
        client(copy, script);
        EXPECT_EQ(client(copy, kDump), expected);
        return schema;
    }

    // The text of an installed file; none, and the case skipped or (under CI) failed, when
    // its package is missing.
    static std::string installed(const std::string& file) {
        gchar* text = nullptr;
        if (!g_file_get_contents(file.c_str(), &text, nullptr, nullptr)) {
            if (test::ci()) ADD_FAILURE() << file << " is missing: scripts/deps installs it";
            return {};
        }
        return gobj::take_string(text);
    }

    // The constraints of kind T of a table, in list order, each as `describe` gives it.
    template <class T, class Describe>
    static std::vector<std::string> described(MetaSchema& schema, const std::string& table, Describe describe) {
        std::vector<std::string> out;
        for (auto c : gobj::GeeArray<MetaConstraint>::wrap(table_named(schema, table)->get_constraints()))
            if (auto* constraint = dynamic_cast<T*>(c.get())) out.push_back(describe(*constraint));
        return out;
    }

    int files_ = 0;
};

#define TARVELIN_REQUIRE_TEXT(text, file)                                                  \
    if ((text).empty()) GTEST_SKIP() << file << " is not installed: scripts/deps installs it"

TEST_F(SqliteFidelity, ExpressionDefaultKeepsItsParentheses) {
    auto schema = round_trip(
        "CREATE TABLE stamps (made TEXT DEFAULT (datetime('now')), day TEXT DEFAULT (date('now', '+1 day')),\n"
        "  n INTEGER DEFAULT (1 + 2), stamp TEXT DEFAULT CURRENT_TIMESTAMP, m INTEGER DEFAULT -1,\n"
        "  r REAL DEFAULT +1.5e3, s TEXT DEFAULT 'it''s', b BLOB DEFAULT x'00ff', z TEXT DEFAULT NULL,\n"
        "  w TEXT DEFAULT ((1) || (2)));");
    // The catalogue gives an expression without its parentheses; the model keeps that text.
    EXPECT_STREQ(table_named(*schema, "stamps")->get_column("made")->get_default_value(), "datetime('now')");
}

TEST_F(SqliteFidelity, DeclaredTypeKeepsItsSize) {
    auto schema = round_trip(
        "CREATE TABLE sized (a varchar(128), b char(1), c int(11), d NUMERIC(10,2), e DECIMAL(8, 3),\n"
        "  f TEXT, g UNSIGNED BIG INT, h double precision, i, j VARCHAR (12));");
    auto sized = table_named(*schema, "sized");
    EXPECT_STREQ(sized->get_column("a")->get_raw_type(), "varchar(128)");
    EXPECT_EQ(sized->get_column("a")->get_length(), 128);
    EXPECT_EQ(sized->get_column("e")->get_length(), 8);
    EXPECT_EQ(sized->get_column("e")->get_scale(), 3);
    EXPECT_EQ(sized->get_column("f")->get_length(), 0);
}

TEST_F(SqliteFidelity, UniqueConstraintsOfEveryForm) {
    auto schema = round_trip(
        "CREATE TABLE u (a INTEGER, b TEXT UNIQUE, c TEXT CONSTRAINT c_one UNIQUE ON CONFLICT IGNORE, d TEXT, e TEXT,\n"
        "  f TEXT, g TEXT,\n"
        "  CONSTRAINT named_d UNIQUE (d),\n"
        "  UNIQUE (e) ON CONFLICT REPLACE,\n"
        "  CONSTRAINT spread\n    UNIQUE (\n      f,\n      g COLLATE NOCASE\n    )\n    ON CONFLICT ROLLBACK,\n"
        "  CONSTRAINT \"quoted, name\" UNIQUE (a, [d]));");
    auto read = described<MetaUnique>(*schema, "u", [](MetaUnique& u) {
        return std::string(u.get_name()) + ": " + u.get_columns() + " / " + u.get_conflict();
    });
    EXPECT_EQ(read, (std::vector<std::string>{"u_b_key: b / ", "c_one: c / IGNORE", "named_d: d / ",
                                              "u_e_key: e / REPLACE", "spread: f, g COLLATE NOCASE / ROLLBACK",
                                              "quoted, name: a, d / "}));
}

TEST_F(SqliteFidelity, CompositeKeyKeepsKeyOrder) {
    auto schema = round_trip(
        "CREATE TABLE file (PathId INTEGER, FilenameId INTEGER, JobId INTEGER, PRIMARY KEY (JobId, PathId));\n"
        "CREATE TABLE tagged (a TEXT, b TEXT, c TEXT, PRIMARY KEY (c, a, b)) WITHOUT ROWID;");
    auto file = table_named(*schema, "file");
    EXPECT_EQ(file->get_column("JobId")->get_primary_ordinal(), 1);
    EXPECT_EQ(file->get_column("PathId")->get_primary_ordinal(), 2);
}

TEST_F(SqliteFidelity, ForeignKeysKeepTheirOrder) {
    auto schema = round_trip(
        "CREATE TABLE p (a INTEGER PRIMARY KEY);\n"
        "CREATE TABLE q (b INTEGER PRIMARY KEY);\n"
        "CREATE TABLE r (c INTEGER PRIMARY KEY);\n"
        "CREATE TABLE t (x INTEGER REFERENCES p (a), y INTEGER REFERENCES q (b) ON DELETE CASCADE,\n"
        "  z INTEGER, FOREIGN KEY (z) REFERENCES r (c) ON UPDATE SET NULL);");
    // In SQLite's id order: the last declared key is 0.
    auto keys = described<MetaForeignKey>(
        *schema, "t", [](MetaForeignKey& k) { return std::string(k.get_name()) + " -> " + k.get_refer_table(); });
    EXPECT_EQ(keys, (std::vector<std::string>{"foreign_key_00 -> r", "foreign_key_01 -> q", "foreign_key_02 -> p"}));
}

// Real applications' schemas, as their packages install them.
TEST_F(SqliteFidelity, PowerDnsSchema) {
    const std::string file = "/usr/share/pdns-backend-sqlite3/schema/schema.sqlite3.sql";
    const std::string sql = installed(file);
    TARVELIN_REQUIRE_TEXT(sql, file);
    round_trip(sql);
}

TEST_F(SqliteFidelity, RoundcubeSchema) {
    const std::string file = "/usr/share/dbconfig-common/data/roundcube/install/sqlite3";
    const std::string sql = installed(file);
    TARVELIN_REQUIRE_TEXT(sql, file);
    round_trip(sql);
}

// Kamailio's modules each bring their tables; together 44 files of named UNIQUE constraints.
TEST_F(SqliteFidelity, KamailioSchema) {
    const std::string folder = "/usr/share/kamailio/db_sqlite";
    std::string sql = installed(folder + "/standard-create.sql");
    TARVELIN_REQUIRE_TEXT(sql, folder);
    std::vector<std::string> names;
    GDir* dir = g_dir_open(folder.c_str(), 0, nullptr);
    ASSERT_TRUE(dir);
    while (const char* name = g_dir_read_name(dir))
        if (g_str_has_suffix(name, "-create.sql") && std::string(name) != "standard-create.sql") names.push_back(name);
    g_dir_close(dir);
    std::sort(names.begin(), names.end());
    for (const auto& name : names) sql += installed(folder + "/" + name);
    round_trip(sql);
}

}  // namespace
}  // namespace sqlite_dialect_test

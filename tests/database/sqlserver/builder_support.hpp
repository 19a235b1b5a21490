// Shared pieces of the SQL Server builder suites: a builder on a scripted SQL Server 2019
// that lists a few collations, short ways to hand-build catalogue objects, and golden
// scripts (data/ddl/<name>.sql) compared byte for byte.
//
// Primary-key names carry an HMAC of the second they were written in; mask_keys turns
// each "PK__<table>__" and its 20 hexadecimal characters into "PK__<table>__<HMAC>" after
// checking the form.
#pragma once

#include <string>
#include <vector>

#include "providers/gobj/gee.hpp"
#include "rezezadovu/supports/database/sqlserver/builder.hpp"
#include "sqlserver_support.hpp"

namespace tarvelin::test::sqlserver {

using namespace rezezadovu::meta_model;
using rezezadovu::supports::database::SQLServerBuilder;
using CBuilder = TarvelinRezezadovuSupportsDatabaseSqlBuilder;
using CSqlServerBuilder = TarvelinRezezadovuSupportsDatabaseSQLServerBuilder;

// The collations data/collations_2019.json answers.
inline const std::vector<std::string> kCollations = {"Latin1_General_CI_AS", "Latin1_General_100_CI_AS_SC_UTF8",
                                                     "Japanese_CI_AS"};

// The builder of a scripted 2019 server, as its connection hands it out.
struct BuilderFixture {
    BuilderFixture();
    Scripted server{"15.0.2000.5", "collations_2019"};
    gobj::Ref<gobj::Object> builder;
    CBuilder* c() const { return reinterpret_cast<CBuilder*>(builder.gobj()); }
    CSqlServerBuilder* sqlserver() const { return reinterpret_cast<CSqlServerBuilder*>(builder.gobj()); }
};

// A new text from C as a std::string; "(null)" for none.
std::string take(gchar* text);
template <class C, class T>
C* c_of(const gobj::Ref<T>& object) {
    return reinterpret_cast<C*>(object.gobj());
}

// ---- hand-built objects
gobj::Ref<MetaTable> table(const char* schema, const char* name);
gobj::Ref<MetaColumn> column(MetaTable& table, const char* name, const char* raw_type, gint64 length = 0,
                             guint8 scale = 0, DataType data_type = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
void set_attribute(MetaObject& object, const char* key, const char* value);
void set_option(MetaTable& table, const char* key, const char* value);
gobj::Ref<MetaCheck> add_check(MetaTable& table, const char* name, const char* expression);
gobj::Ref<MetaUnique> add_unique(MetaTable& table, const char* name, const char* columns);
gobj::Ref<MetaForeignKey> add_foreign_key(MetaTable& table, const char* name, const char* local, const char* schema,
                                          const char* refer, const char* columns);
gobj::Ref<MetaIndex> add_index(MetaTable& table, const char* name, std::vector<std::string> columns);
gobj::Ref<MetaTrigger> add_trigger(MetaTable& table, const char* name, const char* timing, const char* event,
                                   const char* body);
// Appends the table's change key and, for UPDATE, the member's own keys.
void changed(MetaTable& table, const std::string& key, DataVersion version, MetaObject* member = nullptr,
             std::vector<std::string> member_keys = {});

// ---- scripts
std::string mask_keys(const std::string& script);
// Compares with data/ddl/<name>.sql; TARVELIN_UPDATE_GOLDEN=1 writes the file instead.
void expect_script(const std::string& script, const std::string& name);
// The lines of a text, sorted: for texts whose order a map decides.
std::vector<std::string> sorted_lines(const std::string& text);

}  // namespace tarvelin::test::sqlserver

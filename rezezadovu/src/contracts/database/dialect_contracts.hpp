// The contracts of the dialect objects a connection hands out: statement texts, catalogue
// adapter, DDL builder, explorer, inspector and SQL formatter. Each is a GObject interface
// whose structure (the public header) holds one slot per operation; a C++ class implements
// one by deriving from the C++ class below and overriding its virtuals, and `fill` points
// each slot at the override (through gobj::slot, behind the exception barrier). Code
// inside the system reaches an implementation only through the interface structure, so a
// host's C implementation serves as well as a dialect's.
//
// Conventions of the virtuals, the same in every implementation:
// - Texts and objects arrive as the C caller gave them, possibly NULL. An operation tests
//   its required arguments first, in parameter order, with TARVELIN_GIVEN (which logs
//   "<parameter> != NULL" for the first missing one), and then gives its empty result.
// - A text result is a `Text`: no text (NULL for C) only after a failed argument test.
// - Failures are thrown as gobj::Error; the slot hands them to the caller's GError.
// - Out integers may be NULL; an operation writes one only after its argument tests passed.
// Threading is each implementation's own (see its header).
#pragma once

#include <tarvelin/rezezadovu/database.h>

#include <optional>
#include <string>
#include <vector>

#include "providers/contracts/face_server.hpp"
#include "providers/contracts/model_data_set.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/slot.hpp"

// The catalogue classes the adapter and builder contracts take: named here, defined with
// the metadata model (which the contracts do not include).
namespace tarvelin::rezezadovu::meta_model {
class MetaObject;
class MetaDatabase;
class MetaSchema;
class MetaTable;
class MetaView;
class MetaIndex;
class MetaTrigger;
class MetaFunction;
class MetaUser;
class MetaRole;
class MetaEvent;
}  // namespace tarvelin::rezezadovu::meta_model

namespace tarvelin::rezezadovu::contracts::database {

// A new text, or none after a failed argument test.
using Text = std::optional<std::string>;
// The empty text after a passed argument test, none otherwise: the default body of most
// operations of the bases (`return empty_text_if(TARVELIN_GIVEN(table));`).
inline Text empty_text_if(bool given) { return given ? Text(std::string()) : Text(); }
using DbMetaType = TarvelinRezezadovuContractsDatabaseDbMetaType;

// SQL texts of a dialect; builds text only, never runs it.
class TARVELIN_EXPORT IStatement : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIStatementInterface;
    using Server = providers::contracts::Server;
    using DBObject = providers::contracts::DBObject;
    using DataType = providers::contracts::DataType;
    static GType gtype();

    virtual Text build_connection_string(Server* server) = 0;
    virtual Text show_databases(gint* name_column) = 0;
    virtual Text show_tables(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_views(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text change_database(const char* database) = 0;
    virtual Text build_explain(const char* statement, const char* format) = 0;
    virtual Text build_analyze(const char* statement, const char* format) = 0;
    virtual Text show_table_spaces(const char* database, gint* name_column) = 0;
    virtual Text show_table_schemas(const char* database, gint* name_column) = 0;
    virtual Text show_checks(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_excludes(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_foreigns(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_rules(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_uniques(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_indexes(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_triggers(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_functions(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_procedures(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text call_function(const char* database, const char* user_schema, const char* function,
                               const char* parameters) = 0;
    virtual Text call_procedure(const char* database, const char* user_schema, const char* procedure,
                                const char* parameters) = 0;
    virtual Text show_source(DBObject type, const char* database, const char* user_schema, const char* name,
                             gint* source_column) = 0;
    virtual Text show_structure(const char* database, const char* user_schema, const char* table,
                                gint* name_column) = 0;
    virtual Text show_content(const char* database, const char* user_schema, const char* table, const char* columns,
                              const char* where, const char* order, gint64 offset, gint limit) = 0;
    virtual Text show_users(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_roles(const char* database, const char* user_schema, gint* name_column) = 0;
    virtual Text show_user_detail(const char* database, const char* user_schema, const char* username) = 0;
    virtual Text show_role_detail(const char* database, const char* user_schema, const char* rolename) = 0;
    virtual Text show_user_rights(const char* database, const char* user_schema, const char* username) = 0;
    virtual Text show_role_rights(const char* database, const char* user_schema, const char* rolename) = 0;
    virtual Text grant_user_rights(const char* database, const char* user_schema, const char* username,
                                   const char* object, const char* rights) = 0;
    virtual Text revoke_user_rights(const char* database, const char* user_schema, const char* username,
                                    const char* object, const char* rights) = 0;
    virtual Text grant_role_rights(const char* database, const char* user_schema, const char* rolename,
                                   const char* object, const char* rights) = 0;
    virtual Text revoke_role_rights(const char* database, const char* user_schema, const char* rolename,
                                    const char* object, const char* rights) = 0;
    virtual Text show_privileges(gint* name_column, gint* context_column) = 0;
    virtual Text flush_privileges() = 0;
    virtual Text show_effected(const char* database, const char* user_schema, const char* table,
                               const char* where) = 0;
    virtual Text show_relations(const char* database, const char* user_schema, const char* table) = 0;
    virtual Text rename_object(DBObject type, const char* database, const char* user_schema, const char* old_name,
                               const char* new_name) = 0;
    virtual Text drop_object(DBObject type, const char* database, const char* user_schema, const char* object_name,
                             const char* object_target) = 0;
    virtual Text empty_table(const char* database, const char* user_schema, const char* object_name) = 0;
    virtual Text transaction(const char* name) = 0;
    virtual Text rollback(const char* name) = 0;
    virtual Text commit(const char* name) = 0;
    virtual Text pack_value(DataType type, const char* value) = 0;
    virtual Text quote_identifier(const char* identifier, const char* schema) = 0;
    // Text lists: C callers pass each as an array and its count (a NULL entry reads as "").
    using Texts = std::vector<std::string>;
    virtual Text build_sql_update(const char* schema, const char* table, const Texts& columns, const Texts& values,
                                  const Texts& where_columns, const Texts& where_values) = 0;
    virtual Text build_sql_insert(const char* schema, const char* table, const Texts& columns,
                                  const Texts& values) = 0;
    virtual Text build_sql_delete(const char* schema, const char* table, const Texts& where_columns,
                                  const Texts& where_values) = 0;
    virtual Text build_sql_view(const char* user_schema, const char* view_name, const char* statements) = 0;

    template <class T>
    static void fill(Vtable* vt);
};

// Fills catalogue objects in place from the server; failures are thrown.
class TARVELIN_EXPORT IAdaptable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIAdaptableInterface;
    using TableModel = providers::contracts::TableModel;
    using DataSetModel = providers::contracts::DataSetModel;
    static GType gtype();

    virtual void fill_meta_database(meta_model::MetaDatabase* database, bool deep) = 0;
    virtual void fill_meta_schema(meta_model::MetaSchema* schema, bool deep) = 0;
    virtual void fill_meta_table(meta_model::MetaTable* table, bool deep) = 0;
    virtual void fill_meta_view(meta_model::MetaView* view) = 0;
    virtual void fill_meta_index(meta_model::MetaIndex* index) = 0;
    virtual void fill_meta_trigger(meta_model::MetaTrigger* trigger) = 0;
    virtual void fill_meta_function(meta_model::MetaFunction* function) = 0;
    virtual void fill_meta_user(meta_model::MetaUser* user) = 0;
    virtual void fill_meta_role(meta_model::MetaRole* role) = 0;
    virtual void fill_meta_event(meta_model::MetaEvent* event) = 0;
    virtual void fill_meta_object(meta_model::MetaObject* meta_object, bool deep) = 0;
    virtual void fill_data_table(TableModel* table) = 0;
    virtual void fill_data_set(DataSetModel* dataset) = 0;

    template <class T>
    static void fill(Vtable* vt);
};

// DDL texts from catalogue objects; builds text only, never runs it.
class TARVELIN_EXPORT IBuildable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIBuildableInterface;
    using TableModel = providers::contracts::TableModel;
    using DataSetModel = providers::contracts::DataSetModel;
    static GType gtype();

    virtual Text build_create(meta_model::MetaObject* meta_object, bool raw_types) = 0;
    virtual Text build_delete(meta_model::MetaObject* meta_object) = 0;
    virtual Text build_patch(meta_model::MetaObject* meta_object, bool raw_types) = 0;
    virtual Text build_normal(TableModel* table, const char* action) = 0;
    virtual Text alter_database(meta_model::MetaDatabase* database_old, meta_model::MetaDatabase* database_new) = 0;
    virtual Text create_database(meta_model::MetaDatabase* database, bool raw_types) = 0;
    virtual Text alter_schema(meta_model::MetaSchema* schema_old, meta_model::MetaSchema* schema_new) = 0;
    virtual Text build_schema(meta_model::MetaSchema* schema, bool raw_types) = 0;
    virtual Text build_table(meta_model::MetaTable* table, bool raw_types) = 0;
    virtual Text build_view(meta_model::MetaView* view) = 0;
    virtual Text build_index(meta_model::MetaIndex* index) = 0;
    virtual Text build_trigger(meta_model::MetaTrigger* trigger) = 0;
    virtual Text build_function(meta_model::MetaFunction* function) = 0;
    virtual Text build_user(meta_model::MetaUser* user) = 0;
    virtual Text build_role(meta_model::MetaRole* role) = 0;
    virtual Text build_script(DataSetModel* dataset) = 0;
    virtual Text build_caller(meta_model::MetaFunction* function) = 0;
    virtual Text build_event(meta_model::MetaEvent* event) = 0;
    virtual Text patch_event(meta_model::MetaEvent* event) = 0;
    virtual Text patch_function(meta_model::MetaFunction* func) = 0;
    virtual Text patch_script(meta_model::MetaDatabase* database) = 0;
    virtual Text patch_table(meta_model::MetaTable* table) = 0;
    virtual Text patch_view(meta_model::MetaView* view) = 0;
    virtual Text patch_data_table(TableModel* model) = 0;

    template <class T>
    static void fill(Vtable* vt);
};

// Browse lists of catalogue objects and object commands; failures are thrown.
class TARVELIN_EXPORT IExplorable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIExplorableInterface;
    using DBObject = providers::contracts::DBObject;
    using TableModel = providers::contracts::TableModel;
    static GType gtype();

    // A new table; no table after a failed argument test.
    virtual gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                               const char* extra_data) = 0;
    virtual void exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                              const char* extra_data, const char* command) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->load_objects = gobj::slot<T, &IExplorable::load_objects>(vt->load_objects);
        vt->exec_command = gobj::slot<T, &IExplorable::exec_command>(vt->exec_command);
    }
};

// Type knowledge and choice lists of a dialect.
class TARVELIN_EXPORT IInspectable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIInspectableInterface;
    using DataType = providers::contracts::DataType;
    static GType gtype();

    // The choices for `kind`, in order; empty for a kind the dialect does not offer. C
    // callers get a new NULL-terminated array and its count.
    virtual std::vector<std::string> support(DbMetaType kind) = 0;
    virtual Text get_type_default(const char* native_type) = 0;
    // UNKNOWN for a name outside the dialect's list (or a missing one).
    virtual DataType get_data_type(const char* native_type) = 0;
    virtual Text get_sql_type(DataType type) = 0;
    // 0 for a missing name.
    virtual GType get_glib_type(const char* native_type) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->support = gobj::slot<T, &IInspectable::support>(vt->support);
        vt->get_type_default = gobj::slot<T, &IInspectable::get_type_default>(vt->get_type_default);
        vt->get_data_type = gobj::slot<T, &IInspectable::get_data_type>(vt->get_data_type);
        vt->get_sql_type = gobj::slot<T, &IInspectable::get_sql_type>(vt->get_sql_type);
        vt->get_glib_type = gobj::slot<T, &IInspectable::get_glib_type>(vt->get_glib_type);
    }
};

// SQL layout for display: beautify and minify, with an option map.
class TARVELIN_EXPORT IFormattable : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuContractsDatabaseIFormattableInterface;
    static GType gtype();

    virtual void option(const char* name, const char* value) = 0;
    virtual Text beautify(const char* statements) = 0;
    virtual Text minify(const char* statements) = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->option = gobj::slot<T, &IFormattable::option>(vt->option);
        vt->beautify = gobj::slot<T, &IFormattable::beautify>(vt->beautify);
        vt->minify = gobj::slot<T, &IFormattable::minify>(vt->minify);
    }
};

// ---------------------------------------------------------------- slot tables

template <class T>
void IStatement::fill(Vtable* vt) {
    vt->build_connection_string = gobj::slot<T, &IStatement::build_connection_string>(vt->build_connection_string);
    vt->show_databases = gobj::slot<T, &IStatement::show_databases>(vt->show_databases);
    vt->show_tables = gobj::slot<T, &IStatement::show_tables>(vt->show_tables);
    vt->show_views = gobj::slot<T, &IStatement::show_views>(vt->show_views);
    vt->change_database = gobj::slot<T, &IStatement::change_database>(vt->change_database);
    vt->build_explain = gobj::slot<T, &IStatement::build_explain>(vt->build_explain);
    vt->build_analyze = gobj::slot<T, &IStatement::build_analyze>(vt->build_analyze);
    vt->show_table_spaces = gobj::slot<T, &IStatement::show_table_spaces>(vt->show_table_spaces);
    vt->show_table_schemas = gobj::slot<T, &IStatement::show_table_schemas>(vt->show_table_schemas);
    vt->show_checks = gobj::slot<T, &IStatement::show_checks>(vt->show_checks);
    vt->show_excludes = gobj::slot<T, &IStatement::show_excludes>(vt->show_excludes);
    vt->show_foreigns = gobj::slot<T, &IStatement::show_foreigns>(vt->show_foreigns);
    vt->show_rules = gobj::slot<T, &IStatement::show_rules>(vt->show_rules);
    vt->show_uniques = gobj::slot<T, &IStatement::show_uniques>(vt->show_uniques);
    vt->show_indexes = gobj::slot<T, &IStatement::show_indexes>(vt->show_indexes);
    vt->show_triggers = gobj::slot<T, &IStatement::show_triggers>(vt->show_triggers);
    vt->show_functions = gobj::slot<T, &IStatement::show_functions>(vt->show_functions);
    vt->show_procedures = gobj::slot<T, &IStatement::show_procedures>(vt->show_procedures);
    vt->call_function = gobj::slot<T, &IStatement::call_function>(vt->call_function);
    vt->call_procedure = gobj::slot<T, &IStatement::call_procedure>(vt->call_procedure);
    vt->show_source = gobj::slot<T, &IStatement::show_source>(vt->show_source);
    vt->show_structure = gobj::slot<T, &IStatement::show_structure>(vt->show_structure);
    vt->show_content = gobj::slot<T, &IStatement::show_content>(vt->show_content);
    vt->show_users = gobj::slot<T, &IStatement::show_users>(vt->show_users);
    vt->show_roles = gobj::slot<T, &IStatement::show_roles>(vt->show_roles);
    vt->show_user_detail = gobj::slot<T, &IStatement::show_user_detail>(vt->show_user_detail);
    vt->show_role_detail = gobj::slot<T, &IStatement::show_role_detail>(vt->show_role_detail);
    vt->show_user_rights = gobj::slot<T, &IStatement::show_user_rights>(vt->show_user_rights);
    vt->show_role_rights = gobj::slot<T, &IStatement::show_role_rights>(vt->show_role_rights);
    vt->grant_user_rights = gobj::slot<T, &IStatement::grant_user_rights>(vt->grant_user_rights);
    vt->revoke_user_rights = gobj::slot<T, &IStatement::revoke_user_rights>(vt->revoke_user_rights);
    vt->grant_role_rights = gobj::slot<T, &IStatement::grant_role_rights>(vt->grant_role_rights);
    vt->revoke_role_rights = gobj::slot<T, &IStatement::revoke_role_rights>(vt->revoke_role_rights);
    vt->show_privileges = gobj::slot<T, &IStatement::show_privileges>(vt->show_privileges);
    vt->flush_privileges = gobj::slot<T, &IStatement::flush_privileges>(vt->flush_privileges);
    vt->show_effected = gobj::slot<T, &IStatement::show_effected>(vt->show_effected);
    vt->show_relations = gobj::slot<T, &IStatement::show_relations>(vt->show_relations);
    vt->rename_object = gobj::slot<T, &IStatement::rename_object>(vt->rename_object);
    vt->drop_object = gobj::slot<T, &IStatement::drop_object>(vt->drop_object);
    vt->empty_table = gobj::slot<T, &IStatement::empty_table>(vt->empty_table);
    vt->transaction = gobj::slot<T, &IStatement::transaction>(vt->transaction);
    vt->rollback = gobj::slot<T, &IStatement::rollback>(vt->rollback);
    vt->commit = gobj::slot<T, &IStatement::commit>(vt->commit);
    vt->pack_value = gobj::slot<T, &IStatement::pack_value>(vt->pack_value);
    vt->quote_identifier = gobj::slot<T, &IStatement::quote_identifier>(vt->quote_identifier);
    vt->build_sql_update = gobj::slot<T, &IStatement::build_sql_update>(vt->build_sql_update);
    vt->build_sql_insert = gobj::slot<T, &IStatement::build_sql_insert>(vt->build_sql_insert);
    vt->build_sql_delete = gobj::slot<T, &IStatement::build_sql_delete>(vt->build_sql_delete);
    vt->build_sql_view = gobj::slot<T, &IStatement::build_sql_view>(vt->build_sql_view);
}

template <class T>
void IAdaptable::fill(Vtable* vt) {
    vt->fill_meta_database = gobj::slot<T, &IAdaptable::fill_meta_database>(vt->fill_meta_database);
    vt->fill_meta_schema = gobj::slot<T, &IAdaptable::fill_meta_schema>(vt->fill_meta_schema);
    vt->fill_meta_table = gobj::slot<T, &IAdaptable::fill_meta_table>(vt->fill_meta_table);
    vt->fill_meta_view = gobj::slot<T, &IAdaptable::fill_meta_view>(vt->fill_meta_view);
    vt->fill_meta_index = gobj::slot<T, &IAdaptable::fill_meta_index>(vt->fill_meta_index);
    vt->fill_meta_trigger = gobj::slot<T, &IAdaptable::fill_meta_trigger>(vt->fill_meta_trigger);
    vt->fill_meta_function = gobj::slot<T, &IAdaptable::fill_meta_function>(vt->fill_meta_function);
    vt->fill_meta_user = gobj::slot<T, &IAdaptable::fill_meta_user>(vt->fill_meta_user);
    vt->fill_meta_role = gobj::slot<T, &IAdaptable::fill_meta_role>(vt->fill_meta_role);
    vt->fill_meta_event = gobj::slot<T, &IAdaptable::fill_meta_event>(vt->fill_meta_event);
    vt->fill_meta_object = gobj::slot<T, &IAdaptable::fill_meta_object>(vt->fill_meta_object);
    vt->fill_data_table = gobj::slot<T, &IAdaptable::fill_data_table>(vt->fill_data_table);
    vt->fill_data_set = gobj::slot<T, &IAdaptable::fill_data_set>(vt->fill_data_set);
}

template <class T>
void IBuildable::fill(Vtable* vt) {
    vt->build_create = gobj::slot<T, &IBuildable::build_create>(vt->build_create);
    vt->build_delete = gobj::slot<T, &IBuildable::build_delete>(vt->build_delete);
    vt->build_patch = gobj::slot<T, &IBuildable::build_patch>(vt->build_patch);
    vt->build_normal = gobj::slot<T, &IBuildable::build_normal>(vt->build_normal);
    vt->alter_database = gobj::slot<T, &IBuildable::alter_database>(vt->alter_database);
    vt->create_database = gobj::slot<T, &IBuildable::create_database>(vt->create_database);
    vt->alter_schema = gobj::slot<T, &IBuildable::alter_schema>(vt->alter_schema);
    vt->build_schema = gobj::slot<T, &IBuildable::build_schema>(vt->build_schema);
    vt->build_table = gobj::slot<T, &IBuildable::build_table>(vt->build_table);
    vt->build_view = gobj::slot<T, &IBuildable::build_view>(vt->build_view);
    vt->build_index = gobj::slot<T, &IBuildable::build_index>(vt->build_index);
    vt->build_trigger = gobj::slot<T, &IBuildable::build_trigger>(vt->build_trigger);
    vt->build_function = gobj::slot<T, &IBuildable::build_function>(vt->build_function);
    vt->build_user = gobj::slot<T, &IBuildable::build_user>(vt->build_user);
    vt->build_role = gobj::slot<T, &IBuildable::build_role>(vt->build_role);
    vt->build_script = gobj::slot<T, &IBuildable::build_script>(vt->build_script);
    vt->build_caller = gobj::slot<T, &IBuildable::build_caller>(vt->build_caller);
    vt->build_event = gobj::slot<T, &IBuildable::build_event>(vt->build_event);
    vt->patch_event = gobj::slot<T, &IBuildable::patch_event>(vt->patch_event);
    vt->patch_function = gobj::slot<T, &IBuildable::patch_function>(vt->patch_function);
    vt->patch_script = gobj::slot<T, &IBuildable::patch_script>(vt->patch_script);
    vt->patch_table = gobj::slot<T, &IBuildable::patch_table>(vt->patch_table);
    vt->patch_view = gobj::slot<T, &IBuildable::patch_view>(vt->patch_view);
    vt->patch_data_table = gobj::slot<T, &IBuildable::patch_data_table>(vt->patch_data_table);
}

}  // namespace tarvelin::rezezadovu::contracts::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIStatementInterface,
                     tarvelin::rezezadovu::contracts::database::IStatement)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIAdaptableInterface,
                     tarvelin::rezezadovu::contracts::database::IAdaptable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIBuildableInterface,
                     tarvelin::rezezadovu::contracts::database::IBuildable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIExplorableInterface,
                     tarvelin::rezezadovu::contracts::database::IExplorable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIInspectableInterface,
                     tarvelin::rezezadovu::contracts::database::IInspectable)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuContractsDatabaseIFormattableInterface,
                     tarvelin::rezezadovu::contracts::database::IFormattable)

// The pieces the SQL Server builder's files share: qualified names and key entries,
// attribute and list reading, change maps and the description-statement family.
// Internal to the builder; names and texts go in through SQLServerStatement's quoting.
//
// Single thread, like the builder.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "providers/gobj/gee.hpp"
#include "rezezadovu/model/meta_object.hpp"
#include "rezezadovu/model/meta_table.hpp"
#include "rezezadovu/supports/database/sqlserver/statement.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlserver {

using meta_model::DataVersion;
using meta_model::MetaObject;

// "[schema].[name]", or "[name]" without a schema.
inline std::string qualified(std::string_view schema, std::string_view name) {
    return schema.empty() ? SQLServerStatement::quoted(name)
                          : SQLServerStatement::quoted(schema) + "." + SQLServerStatement::quoted(name);
}
inline std::string text_or_empty(const char* text) { return text ? text : ""; }

// An index or key entry as SQL: the column it names quoted, followed by its order when
// `ordered` and it ends with ASC or DESC ("name DESC" gives "[name] DESC"). SQL Server
// keys hold columns only, so every entry is a name, whatever characters it holds; an
// entry that is one of `columns` as a whole is that name even when it ends with an
// order word.
std::string key_entry(std::string_view entry, const std::vector<std::string>& columns, bool ordered = true);
// The entries of a comma list (as the catalogue reader joins key columns) as SQL, joined
// by `separator`. A name holding commas stays one entry when it is one of `columns`.
std::string key_list(std::string_view list, const std::vector<std::string>& columns, std::string_view separator,
                     bool ordered = true);
// The names of a table's columns.
std::vector<std::string> column_names(meta_model::MetaTable& table);

std::string upper(std::string_view text);
std::string trimmed(std::string_view text);
// Removes up to `n` characters from the end.
void chop(std::string& text, std::size_t n);
bool ends_with(std::string_view text, std::string_view end);
std::string joined(const std::vector<std::string>& items, std::string_view separator);
// The items of a comma list, each stripped of surrounding blanks; empty items dropped.
std::vector<std::string> items(std::string_view list);
// Whole-item membership.
bool has_item(const std::vector<std::string>& list, std::string_view item);

// The object's attribute map.
gobj::StringMap attributes(const MetaObject& object);
std::optional<std::string> attribute(const MetaObject& object, const char* key);
std::string attribute_or_empty(const MetaObject& object, const char* key);
// Set only when the value is exactly "true".
bool flag(const MetaObject& object, const char* key);
// "ON" for a set flag, else "OFF".
const char* on_off(const MetaObject& object, const char* key);
// "EXECUTE AS x" from "EXECUTOR_USER", else "EXECUTOR": CALLER, SELF and OWNER bare, a
// user name as a literal; empty without either.
std::string execute_as(const MetaObject& object);
// The earlier value of a change key (the slice map).
std::optional<std::string> earlier(const MetaObject& object, const std::string& key);

// The object's change map: change key -> DataVersion. Edits reach every reader.
class Changes {
public:
    explicit Changes(const MetaObject& object) : map_(GEE_MAP(object.diff())) {}
    bool has(const std::string& key) const;
    // INITIAL when absent.
    DataVersion get(const std::string& key) const;
    std::vector<std::string> keys() const;
    void remove(const std::string& key) const;
    bool empty() const;
    void clear() const;
    // The keys joined by ", " for the log lines.
    std::string listed() const { return joined(keys(), ", "); }

private:
    GeeMap* map_;
};

// The members of a list property.
template <class T>
std::vector<gobj::Ref<T>> members(GeeArrayList* list) {
    std::vector<gobj::Ref<T>> out;
    for (auto item : gobj::GeeArray<T>::wrap(list))
        if (item) out.push_back(item);
    return out;
}

// An object of class T, or none for an object of another class.
template <class T>
T* as(MetaObject* object) {
    return object && G_TYPE_CHECK_INSTANCE_TYPE(object->gobj(), T::gtype()) ? static_cast<T*>(object) : nullptr;
}
template <class T, class O>
bool is(const gobj::Ref<O>& object) {
    return object && G_TYPE_CHECK_INSTANCE_TYPE(object.gobj(), T::gtype());
}

// The 'MS_Description' statements of one object: add, update-or-add (the existence test,
// the update, ELSE and the add) and drop.
class Description {
public:
    static Description schema(std::string_view schema);
    // An object of a schema: 'SYNONYM', 'TABLE', 'VIEW', 'FUNCTION', 'PROCEDURE'.
    static Description object(std::string_view schema, const char* kind, std::string_view name);
    // A member of a table: 'COLUMN', 'CONSTRAINT', 'INDEX', 'TRIGGER'.
    static Description member(std::string_view schema, std::string_view table, const char* kind, std::string_view name);
    static Description user(std::string_view name);

    std::string add(std::string_view description) const;
    std::string update_or_add(std::string_view description) const;
    std::string drop() const;
    // The drop for an empty description, the update-or-add block otherwise.
    std::string patch(std::string_view description) const {
        return description.empty() ? drop() : update_or_add(description);
    }

private:
    Description(std::string target, std::string listed) : target_(std::move(target)), listed_(std::move(listed)) {}
    std::string target_;  // the procedures' level arguments
    std::string listed_;  // fn_listextendedproperty's arguments after 'MS_Description'
};

}  // namespace tarvelin::rezezadovu::supports::database::sqlserver

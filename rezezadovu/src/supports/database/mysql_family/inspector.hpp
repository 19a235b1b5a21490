// The type knowledge of the MySQL family (MySQLInspector, MariaDBInspector): native type
// names to DataType, GLib types and default literals; DataType to column types; and the
// choice lists (and the catalogue queries for the lists the server must give) a user
// interface offers per DbMetaType. Native names match after UTF-8 upper-casing, as whole
// words (VARCHAR(20) and INT UNSIGNED match nothing). Runs nothing.
//
// A C++ base only: each product registers its own class (parent GObject, implementing
// IInspectable) over it, and overrides what its server answers otherwise.
//
// Thread-safe: stateless apart from its (weak) connection link, which nothing reads.
#pragma once

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT MySQLFamilyInspector : public gobj::Object,
                                             public contracts::database::IInspectable,
                                             public ConnectionLink {
public:
    using Text = contracts::database::Text;
    using DbMetaType = contracts::database::DbMetaType;

    std::vector<std::string> support(DbMetaType kind) override;
    // The date and time types' defaults are the current local date or time as quoted
    // literals; "0", "0.0", "0x0000" or "''" otherwise.
    Text get_type_default(const char* native_type) override;
    // DECIMAL and NUMERIC read as MONEY, which get_sql_type writes back as DECIMAL.
    DataType get_data_type(const char* native_type) override;
    Text get_sql_type(DataType type) override;
    GType get_glib_type(const char* native_type) override;

    // A row of the native type table (inspector.cpp).
    struct NativeType;

protected:
    // BIT read as BOOLEAN (a boolean value, default "0x0000") rather than BINARY.
    virtual bool bit_is_boolean() const { return false; }

private:
    const NativeType* find_native(const char* native_type) const;
};

}  // namespace tarvelin::rezezadovu::supports::database

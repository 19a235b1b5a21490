// C face of the vocabularies: type accessors and conversions.
#include "providers/contracts/value_support.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/contracts/vocabulary.hpp"

TARVELIN_LOG_TAG("vocabulary_capi")

using namespace tarvelin;
using namespace tarvelin::providers::contracts;

namespace {

// A copy of the nick of `value`, or NULL when it is not a member.
gchar* nick_of(GType type, gint value) {
    auto* klass = static_cast<GEnumClass*>(g_type_class_ref(type));
    GEnumValue* v = g_enum_get_value(klass, value);
    gchar* nick = v ? g_strdup(v->value_nick) : nullptr;
    g_type_class_unref(klass);
    return nick;
}

struct NamedType {
    const char* name;
    DataType type;
};
// Looked up by lower-cased registered name, in this order.
constexpr NamedType kNamedTypes[] = {
    {"gint16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16},
    {"guint16", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16},
    {"gdate", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE},
    {"gtime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME},
    {"gdatetime", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"gtimespan", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN},
    {"gtimestamp", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME},
    {"gnumeric", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL},
    {"guid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    {"uuid", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UUID},
    {"xml", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_XML},
    {"json", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_JSON},
    {"gobject", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT},
    {"gbinary", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY},
    {"gblob", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB},
    {"gnull", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL},
};

}  // namespace

extern "C" {

TARVELIN_API GType tarvelin_providers_contracts_data_type_get_type(void) { return data_type_gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_data_version_get_type(void) { return data_version_gtype(); }
TARVELIN_API GType tarvelin_providers_contracts_db_object_get_type(void) { return db_object_gtype(); }

gchar* tarvelin_providers_contracts_data_type_to_string(TarvelinProvidersContractsDataType self) {
    return nick_of(data_type_gtype(), number_of(self));
}

gchar* tarvelin_providers_contracts_db_object_to_string(TarvelinProvidersContractsDBObject self) {
    return nick_of(db_object_gtype(), number_of(self));
}

TarvelinProvidersContractsDataVersion tarvelin_providers_contracts_data_version_all(void) {
    data_version_gtype();
    return TarvelinProvidersContractsDataVersion(
        TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL | TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE |
        TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT | TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
}

// The first member set, in the order IDENTICAL, DELETE, INSERT, UPDATE; 0 is INITIAL.
// NULL when no known bit is set.
gchar* tarvelin_providers_contracts_data_version_to_string(TarvelinProvidersContractsDataVersion self) {
    auto* klass = static_cast<GFlagsClass*>(g_type_class_ref(data_version_gtype()));
    const GFlagsValue* chosen = nullptr;
    auto bits = static_cast<guint>(number_of(self));
    if (bits == 0) {
        chosen = g_flags_get_first_value(klass, 0);
    } else {
        for (guint bit = 1; bit <= TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE && !chosen; bit <<= 1) {
            if (bits & bit) chosen = g_flags_get_first_value(klass, bit);
        }
    }
    gchar* text = chosen ? g_utf8_strup(chosen->value_nick, -1) : nullptr;
    g_type_class_unref(klass);
    return text;
}

GType tarvelin_providers_contracts_data_type_get_glib_type(TarvelinProvidersContractsDataType self) {
    data_type_gtype();
    switch (number_of(self)) {
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL: return ValueNull::gtype();
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN: return G_TYPE_BOOLEAN;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8: return G_TYPE_CHAR;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT16:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32: return G_TYPE_INT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESPAN:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64: return G_TYPE_INT64;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8: return G_TYPE_UCHAR;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT16: return G_TYPE_UINT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_SET: return G_TYPE_ENUM;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS: return G_TYPE_FLAGS;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_MONEY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE: return G_TYPE_DOUBLE;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT: return G_TYPE_FLOAT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATE: return G_TYPE_DATE;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME: return G_TYPE_POINTER;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME: return G_TYPE_DATE_TIME;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BINARY:
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB: return G_TYPE_BYTES;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_OBJECT: return G_TYPE_OBJECT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_VARIANT: return G_TYPE_VARIANT;
        case TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ARRAY: return G_TYPE_ARRAY;
        default: return G_TYPE_STRING;
    }
}

TarvelinProvidersContractsDataType tarvelin_providers_contracts_data_type_get_data_type(GType type) {
    data_type_gtype();
    // Only GLib's own fundamental types match here; a registered enumeration or flags
    // type of its own falls through to its name.
    switch (type) {
        case G_TYPE_CHAR: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT8;
        case G_TYPE_UCHAR: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT8;
        case G_TYPE_BOOLEAN: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN;
        case G_TYPE_INT:
        case G_TYPE_LONG: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
        case G_TYPE_UINT:
        case G_TYPE_ULONG: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT32;
        case G_TYPE_INT64: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64;
        case G_TYPE_UINT64: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UINT64;
        case G_TYPE_ENUM: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_ENUM;
        case G_TYPE_FLAGS: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLAGS;
        case G_TYPE_FLOAT: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_FLOAT;
        case G_TYPE_DOUBLE: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE;
        case G_TYPE_STRING: return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
        default: break;
    }
    const char* name = g_type_name(type);
    if (!name) return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
    std::string lower = gobj::take_string(g_utf8_strdown(name, -1));
    for (const NamedType& n : kNamedTypes) {
        if (lower == n.name) return n.type;
    }
    return TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN;
}

}  // extern "C"

#include "providers/contracts/value_integer.hpp"
#include "providers/gobj/register.hpp"

#include <glib/gprintf.h>

#include <limits>

TARVELIN_LOG_TAG("value_integer")

namespace tarvelin::providers::contracts {

TARVELIN_INTERFACE_GTYPE(IInteger, "TarvelinProvidersContractsIInteger", G_TYPE_OBJECT)
TARVELIN_INTERFACE_GTYPE(IUnsigned, "TarvelinProvidersContractsIUnsigned", IInteger::gtype())
TARVELIN_GTYPE(ValueInt8, "TarvelinProvidersContractsValueInt8", ValueObject, IInteger)
TARVELIN_GTYPE(ValueInt16, "TarvelinProvidersContractsValueInt16", ValueObject, IInteger)
TARVELIN_GTYPE(ValueInt32, "TarvelinProvidersContractsValueInt32", ValueObject, IInteger)
TARVELIN_GTYPE(ValueInt64, "TarvelinProvidersContractsValueInt64", ValueObject, IInteger)
TARVELIN_GTYPE(ValueUInt8, "TarvelinProvidersContractsValueUInt8", ValueObject, IInteger, IUnsigned)
TARVELIN_GTYPE(ValueUInt16, "TarvelinProvidersContractsValueUInt16", ValueObject, IInteger, IUnsigned)
TARVELIN_GTYPE(ValueUInt32, "TarvelinProvidersContractsValueUInt32", ValueObject, IInteger, IUnsigned)
TARVELIN_GTYPE(ValueUInt64, "TarvelinProvidersContractsValueUInt64", ValueObject, IInteger, IUnsigned)
TARVELIN_GTYPE(ValueBoolean, "TarvelinProvidersContractsValueBoolean", ValueObject, IInteger, IUnsigned)

template <class Self, class Held>
void IntegerValue<Self, Held>::to_value(GValue* result) const {
    if constexpr (std::is_same_v<Held, bool>) {
        g_value_init(result, G_TYPE_BOOLEAN);
        g_value_set_boolean(result, this->itsvalue_);
    } else if constexpr (std::is_same_v<Held, gint8>) {
        g_value_init(result, G_TYPE_CHAR);
        g_value_set_schar(result, this->itsvalue_);
    } else if constexpr (std::is_same_v<Held, guint8>) {
        g_value_init(result, G_TYPE_UCHAR);
        g_value_set_uchar(result, this->itsvalue_);
    } else if constexpr (std::is_same_v<Held, gint16> || std::is_same_v<Held, gint32>) {
        g_value_init(result, G_TYPE_INT);
        g_value_set_int(result, this->itsvalue_);
    } else if constexpr (std::is_same_v<Held, guint16> || std::is_same_v<Held, guint32>) {
        g_value_init(result, G_TYPE_UINT);
        g_value_set_uint(result, this->itsvalue_);
    } else if constexpr (std::is_same_v<Held, gint64>) {
        g_value_init(result, G_TYPE_INT64);
        g_value_set_int64(result, this->itsvalue_);
    } else {
        static_assert(std::is_same_v<Held, guint64>);
        g_value_init(result, G_TYPE_UINT64);
        g_value_set_uint64(result, this->itsvalue_);
    }
}

template <class Self, class Held>
std::string IntegerValue<Self, Held>::to_string() const {
    if constexpr (std::is_same_v<Held, bool>) {
        return this->itsvalue_ ? "true" : "false";
    } else {
        char buf[32];
        int n;
        if constexpr (std::is_same_v<Held, gint64>) {
            n = g_snprintf(buf, sizeof buf, "%lld", static_cast<long long>(this->itsvalue_));
        } else if constexpr (std::is_same_v<Held, guint64>) {
            n = g_snprintf(buf, sizeof buf, "%llu", static_cast<unsigned long long>(this->itsvalue_));
        } else if constexpr (std::is_signed_v<Held>) {
            n = g_snprintf(buf, sizeof buf, "%d", static_cast<int>(this->itsvalue_));
        } else {
            n = g_snprintf(buf, sizeof buf, "%u", static_cast<unsigned>(this->itsvalue_));
        }
        return std::string(buf, static_cast<size_t>(n));
    }
}

template class IntegerValue<ValueInt8, gint8>;
template class IntegerValue<ValueInt16, gint16>;
template class IntegerValue<ValueInt32, gint32>;
template class IntegerValue<ValueInt64, gint64>;
template class IntegerValue<ValueUInt8, guint8>;
template class IntegerValue<ValueUInt16, guint16>;
template class IntegerValue<ValueUInt32, guint32>;
template class IntegerValue<ValueUInt64, guint64>;
template class IntegerValue<ValueBoolean, bool>;

gint64 ValueUInt64::to_integer() const {
    constexpr auto top = static_cast<guint64>(std::numeric_limits<gint64>::max());
    return this->itsvalue_ > top ? std::numeric_limits<gint64>::max() : static_cast<gint64>(this->itsvalue_);
}

}  // namespace tarvelin::providers::contracts

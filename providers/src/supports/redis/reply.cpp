#include "providers/supports/redis/reply.hpp"

#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"

TARVELIN_LOG_TAG("reply")

namespace tarvelin::providers::supports::redis {

using namespace tarvelin::providers::contracts;

std::optional<SimpleValue> simple_value(const redisReply& reply) {
    switch (reply.type) {
        case kReplyString:
        case kReplyStatus:
        case kReplyBigNumber:
        case kReplyVerbatim:
            return SimpleValue{ValueString::create(reply.str ? std::string(reply.str, reply.len) : std::string()),
                               TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING};
        case kReplyInteger:
            return SimpleValue{ValueInt64::create(reply.integer), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64};
        case kReplyNil: return SimpleValue{ValueNull::create(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL};
        case kReplyDouble:
            return SimpleValue{ValueDouble::create(g_ascii_strtod(reply.str ? reply.str : "", nullptr)),
                               TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE};
        case kReplyBool:
            return SimpleValue{ValueBoolean::create(reply.integer != 0), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BOOLEAN};
        default: return std::nullopt;
    }
}

ElementValues element_values(const redisReply& reply) {
    ElementValues out{gobj::GeeArray<ValueObject>::create(), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN};
    for (std::size_t i = 0; i < reply.elements; ++i) {
        const redisReply* element = reply.element ? reply.element[i] : nullptr;
        if (!element) {
            g_return_if_fail_warning(nullptr, G_STRFUNC, "reply != NULL");
            continue;
        }
        if (auto v = simple_value(*element)) {
            out.values.append(v->value);
            out.last_type = v->data_type;
        }
    }
    return out;
}

gobj::Ref<TableModel> model_of(const redisReply& reply) {
    auto model = TableModel::create();
    if (auto v = simple_value(reply)) {
        model->get_columns().append(ColumnModel::create_full("values", v->data_type));
        auto row = RowModel::create();
        row->get_values().append(v->value);
        model->get_rows().append(row);
        return model;
    }
    ElementValues elements = element_values(reply);
    model->get_columns().append(ColumnModel::create_full("values", elements.last_type));
    for (const auto& value : elements.values) {
        auto row = RowModel::create();
        row->get_values().append(value);
        model->get_rows().append(row);
    }
    return model;
}

}  // namespace tarvelin::providers::supports::redis

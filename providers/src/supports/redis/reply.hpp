// hiredis replies as cell values and one-column tables. hiredis 0.14 speaks RESP2; the
// RESP3 reply types are known by number so replies of a newer hiredis convert too.
#pragma once

#include <hiredis/hiredis.h>

#include <optional>

#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_object.hpp"
#include "providers/gobj/gee.hpp"

namespace tarvelin::providers::supports::redis {

inline constexpr int kReplyString = 1, kReplyArray = 2, kReplyInteger = 3, kReplyNil = 4, kReplyStatus = 5,
                     kReplyError = 6, kReplyDouble = 7, kReplyBool = 8, kReplyMap = 9, kReplySet = 10,
                     kReplyAttribute = 11, kReplyPush = 12, kReplyBigNumber = 13, kReplyVerbatim = 14;

struct SimpleValue {
    gobj::Ref<contracts::ValueObject> value;
    contracts::DataType data_type;
};

// The value of a reply that is one value (strings, integers, nil, doubles, booleans);
// nothing for arrays, errors, maps, sets, attributes and pushes.
TARVELIN_EXPORT std::optional<SimpleValue> simple_value(const redisReply& reply);

// The simple values among a reply's elements, in order (others are skipped), and the
// DataType of the last one (UNKNOWN when there is none).
struct ElementValues {
    gobj::GeeArray<contracts::ValueObject> values;
    contracts::DataType last_type;
};
TARVELIN_EXPORT ElementValues element_values(const redisReply& reply);

// One column "values": one row for a simple reply, one row per simple element otherwise.
TARVELIN_EXPORT gobj::Ref<contracts::TableModel> model_of(const redisReply& reply);

}  // namespace tarvelin::providers::supports::redis

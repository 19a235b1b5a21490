// The reader contract: get_value over every DataType, get_values, the interface's
// defaults, errors, and readers written in C.
#include <gtest/gtest.h>

#include <functional>

#include "providers/contracts/value_binary.hpp"
#include "providers/contracts/value_datetime.hpp"
#include "providers/contracts/value_enum.hpp"
#include "providers/contracts/value_geometry.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_numeric.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/call.hpp"
#include "support/scripted_reader.hpp"

extern "C" {
#include "host_contracts.h"
}

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using RV = providers::contracts::IDataReader::Vtable;
using gobj::Ref;
using tarvelin::test::Cell;
using tarvelin::test::ScriptedReader;

namespace {

using Calls = std::vector<std::string>;

DataType dt(int n) { return static_cast<DataType>(n); }

Ref<ScriptedReader> one_cell(DataType type, Cell cell) {
    auto r = ScriptedReader::create({{"c", type}}, {{std::move(cell)}});
    EXPECT_TRUE(r->read());
    r->clear_calls();
    return r;
}

auto* c_reader(const Ref<ScriptedReader>& r) {
    return reinterpret_cast<TarvelinProvidersContractsIDataReader*>(r.gobj());
}

std::string critical_of(const std::function<void()>& call) {
    testing::internal::CaptureStderr();
    call();
    return testing::internal::GetCapturedStderr();
}

GDateTime* utc(int y, int mo, int d, int h, int mi, int s) { return g_date_time_new_utc(y, mo, d, h, mi, s); }

}  // namespace

TEST(ReaderGetValue, EveryDataTypePicksItsGetterAndClass) {
    GDateTime* moment = utc(2024, 5, 6, 7, 8, 9);
    struct Case {
        int type;
        Cell cell;
        GType cls;
        const char* getter;  // nullptr: a default body of the interface, which the reader does not log
        const char* text;    // to_string of the value, when it is fixed
    } cases[] = {
        {0, "u", ValueString::gtype(), "get_string", "u"},
        {1, "n", ValueString::gtype(), "get_string", "n"},
        {2, 1, ValueBoolean::gtype(), "get_boolean", nullptr},
        {3, -8, ValueInt8::gtype(), "get_int8", "-8"},
        {4, -16, ValueInt16::gtype(), "get_int16", "-16"},
        {5, -32, ValueInt32::gtype(), "get_int32", "-32"},
        {6, -64, ValueInt64::gtype(), "get_int64", "-64"},
        {7, 8, ValueUInt8::gtype(), "get_uint8", "8"},
        {8, 16, ValueUInt16::gtype(), "get_uint16", "16"},
        {9, 32, ValueUInt32::gtype(), "get_uint32", "32"},
        {10, 64, ValueUInt64::gtype(), "get_uint64", "64"},
        {11, "a", ValueEnum::gtype(), nullptr, ""},
        {12, "a", ValueFlags::gtype(), nullptr, ""},
        {13, "a", ValueSet::gtype(), nullptr, ""},
        {14, 1.5, ValueMoney::gtype(), "get_money", nullptr},
        {15, 2.5, ValueDecimal::gtype(), "get_decimal", nullptr},
        {16, 0.5, ValueFloat::gtype(), "get_float", nullptr},
        {17, 3.25, ValueDouble::gtype(), "get_double", nullptr},
        {18, Cell::date(2024, G_DATE_MAY, 6), ValueDate::gtype(), "get_date", nullptr},
        {19, Cell::date_time(moment), ValueTime::gtype(), "get_time", nullptr},
        {20, Cell::date_time(moment), ValueDateTime::gtype(), "get_datetime", nullptr},
        {21, 1000, ValueTimeSpan::gtype(), "get_timespan", nullptr},
        {22, Cell::date_time(moment), ValueDateTime::gtype(), nullptr, nullptr},
        {23, "s", ValueString::gtype(), "get_string", "s"},
        {24, "w", ValueUtf16::gtype(), "get_string16", "w"},
        {25, "<a/>", ValueXml::gtype(), nullptr, ""},
        {26, "0A0B0C0D-0000-4000-8000-000000000001", ValueUuid::gtype(), "get_guid", nullptr},
        {27, "{}", ValueJson::gtype(), nullptr, ""},
        {28, "POINT(1 2)", ValueGeometry::gtype(), nullptr, ""},
        {29, "POINT(1 2)", ValueGeography::gtype(), nullptr, ""},
        {30, Cell::bytes({1, 2}), ValueBinary::gtype(), "get_binary", nullptr},
        {31, Cell::bytes({1, 2}), ValueBlob::gtype(), "get_binary", nullptr},
        {32, Cell::bytes({1, 2}), ValueBinary::gtype(), "get_binary", nullptr},
        {33, "p", ValueString::gtype(), "get_string", "p"},
        {34, "v", ValueNull::gtype(), nullptr, ""},
        {35, "a", ValueString::gtype(), "get_string", "a"},
        {36, "e", ValueString::gtype(), "get_string", "e"},
        {40, "x", ValueString::gtype(), "get_string", "x"},  // outside the vocabulary
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "DataType " << c.type);
        auto r = one_cell(dt(c.type), c.cell);
        GError* error = nullptr;
        auto v = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(c_reader(r), 0, &error));
        ASSERT_EQ(error, nullptr);
        ASSERT_TRUE(v);
        EXPECT_STREQ(g_type_name(v->type()), g_type_name(c.cls));
        Calls want{"is_null", "get_data_type"};
        if (c.getter) want.push_back(c.getter);
        EXPECT_EQ(r->calls(), want);
        if (c.text) {
            EXPECT_EQ(v->to_string(), c.text);
        }
    }
    g_date_time_unref(moment);

    // The held values survive the trip, as the getters read them.
    auto b = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_BLOB, Cell::bytes({0, 255, 7}));
    auto blob = gobj::ref_cast<ValueBlob>(b->get_value(0));
    ASSERT_TRUE(blob);
    EXPECT_EQ(blob->to_bytes(), (std::vector<guint8>{0, 255, 7}));
    auto d = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DOUBLE, 3.25);
    EXPECT_DOUBLE_EQ(gobj::ref_cast<ValueDouble>(d->get_value(0))->to_double(), 3.25);
}

TEST(ReaderGetValue, NullCellOfAnyTypeCallsNoGetter) {
    for (int type = 0; type <= 36; ++type) {
        auto r = one_cell(dt(type), nullptr);
        auto v = r->get_value(0);
        EXPECT_EQ(v->type(), ValueNull::gtype()) << type;
        EXPECT_EQ(r->calls(), Calls{"is_null"}) << type;
    }
}

TEST(ReaderGetValue, MissingDateTimeGivesValueNullNotAnEmptySlot) {
    struct Case {
        DataType type;
        Cell cell;
    } cases[] = {
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIME, Cell::date_time(nullptr)},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, Cell::date_time(nullptr)},
        {TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DATETIME, "not a date"},
    };
    for (const auto& c : cases) {
        auto r = one_cell(c.type, c.cell);
        GError* error = nullptr;
        std::string log = critical_of([&] {
            auto v = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(c_reader(r), 0, &error));
            ASSERT_TRUE(v);
            EXPECT_EQ(v->type(), ValueNull::gtype());
        });
        EXPECT_EQ(error, nullptr);
        EXPECT_EQ(log, "");
    }
}

TEST(ReaderGetValue, DefaultTimestampIsNowInTheLocalZone) {
    auto r = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_TIMESTAMP, "1999-01-01T00:00:00Z");
    gint64 before = g_get_real_time() / G_USEC_PER_SEC;
    auto v = gobj::ref_cast<ValueDateTime>(r->get_value(0));
    gint64 after = g_get_real_time() / G_USEC_PER_SEC;
    ASSERT_TRUE(v);
    GDateTime* held = nullptr;
    g_object_get(v.gobj(), "itsvalue", &held, nullptr);
    ASSERT_NE(held, nullptr);
    EXPECT_GE(g_date_time_to_unix(held), before);
    EXPECT_LE(g_date_time_to_unix(held), after);
    g_date_time_unref(held);
}

TEST(ReaderGetValue, RaisedErrorsPassThroughAndNothingIsMade) {
    for (const char* op : {"is_null", "get_data_type", "get_int32"}) {
        auto r = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32, 5);
        r->fail(op, gobj::Error("Scripted", 1146, std::string("broken ") + op));
        GError* error = nullptr;
        EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_value(c_reader(r), 0, &error), nullptr) << op;
        ASSERT_NE(error, nullptr) << op;
        EXPECT_EQ(error->domain, g_quark_from_string("Scripted"));
        EXPECT_EQ(error->code, 1146);
        EXPECT_EQ(std::string(error->message), std::string("broken ") + op);
        g_error_free(error);
    }
    auto r = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "x");
    r->fail("get_string", gobj::Error("Scripted", 2, "gone"));
    EXPECT_THROW(r->get_value(0), gobj::Error);
}

TEST(ReaderGetValues, EveryColumnInOrder) {
    auto r = ScriptedReader::create({{"a", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32},
                                     {"b", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING},
                                     {"c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64}},
                                    {{1, "two", nullptr}});
    ASSERT_TRUE(r->read());
    gint length = -1;
    GError* error = nullptr;
    auto** values = tarvelin_providers_contracts_idata_reader_get_values(c_reader(r), &length, &error);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(values[3], nullptr);  // terminated
    EXPECT_EQ(gobj::cast<ValueObject>(values[1])->to_string(), "two");
    EXPECT_EQ(G_OBJECT_TYPE(values[2]), ValueNull::gtype());
    for (gint i = 0; i < length; ++i) g_object_unref(values[i]);
    g_free(values);

    auto empty = ScriptedReader::create({}, {{}});
    ASSERT_TRUE(empty->read());
    values = tarvelin_providers_contracts_idata_reader_get_values(c_reader(empty), &length, &error);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(length, 0);
    g_free(values);

    r->fail("get_string", gobj::Error("Scripted", 9, "mid-row failure"));
    length = -1;
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_values(c_reader(r), &length, &error), nullptr);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->code, 9);
    EXPECT_EQ(length, 0);
    g_error_free(error);
}

TEST(ReaderGetValues, ServesMoreThan32767Columns) {
    const int n = 40000;
    std::vector<tarvelin::test::ScriptedColumn> columns;
    tarvelin::test::ScriptedRow row;
    for (int i = 0; i < n; ++i) {
        columns.emplace_back("c", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32);
        row.emplace_back(i);
    }
    auto r = ScriptedReader::create(std::move(columns), {std::move(row)});
    ASSERT_TRUE(r->read());
    auto values = gobj::call<&RV::get_values>(r.gobj());
    ASSERT_EQ(values.size(), static_cast<size_t>(n));
    EXPECT_EQ(values.back()->to_string(), std::to_string(n - 1));
}

TEST(ReaderDefaults, BodiesTheInterfaceGives) {
    auto r = one_cell(TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING, "cell");
    auto* c = c_reader(r);
    GError* error = nullptr;
    using TextEntry = gchar* (*)(TarvelinProvidersContractsIDataReader*, guint16, GError**);
    for (TextEntry entry : {&tarvelin_providers_contracts_idata_reader_get_enum, &tarvelin_providers_contracts_idata_reader_get_flag,
                            &tarvelin_providers_contracts_idata_reader_get_set, &tarvelin_providers_contracts_idata_reader_get_xml,
                            &tarvelin_providers_contracts_idata_reader_get_json, &tarvelin_providers_contracts_idata_reader_get_geometry,
                            &tarvelin_providers_contracts_idata_reader_get_geography}) {
        gchar* text = entry(c, 0, &error);
        EXPECT_STREQ(text, "");
        g_free(text);
    }
    gint length = -1;
    guint8* bytes = tarvelin_providers_contracts_idata_reader_get_object(c, 0, &length, &error);
    EXPECT_NE(bytes, nullptr);
    EXPECT_EQ(length, 0);
    g_free(bytes);
    auto variant = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_variant(c, 0, &error));
    EXPECT_EQ(variant->type(), ValueNull::gtype());
    EXPECT_EQ(error, nullptr);
    EXPECT_FALSE(tarvelin_providers_contracts_idata_reader_bulk(c, &error));

    gint count = -1;
    gboolean closed = TRUE;
    g_object_get(r.gobj(), "field-count", &count, "is-closed", &closed, nullptr);
    EXPECT_EQ(count, 1);
    EXPECT_FALSE(closed);
}

TEST(ReaderEntries, NullReaderAndReadersWrittenInC) {
    struct Case {
        std::function<void()> call;
    } null_cases[] = {
        {[] { EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_field_count(nullptr), 0); }},
        {[] { EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int32(nullptr, 0, nullptr), 0); }},
        {[] { EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_value(nullptr, 0, nullptr), nullptr); }},
        {[] { tarvelin_providers_contracts_idata_reader_close(nullptr, nullptr); }},
    };
    for (const auto& c : null_cases) EXPECT_NE(critical_of(c.call).find("self != NULL"), std::string::npos);

    // A host reader fills a few slots; the interface's get_value serves it.
    auto* host = static_cast<TarvelinProvidersContractsIDataReader*>(g_object_new(HOST_TYPE_READER, nullptr));
    GError* error = nullptr;
    auto v = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(host, 0, &error));
    EXPECT_EQ(v->to_string(), "42");
    // Its STRING column has no get_string: no text, so no string cell but SQL NULL.
    auto s = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(host, 1, &error));
    EXPECT_EQ(s->type(), ValueNull::gtype());
    gint length = 0;
    auto** values = tarvelin_providers_contracts_idata_reader_get_values(host, &length, &error);
    EXPECT_EQ(length, 2);
    for (gint i = 0; i < length; ++i) g_object_unref(values[i]);
    g_free(values);
    // Empty slots give -1 for the signed numbers and the count, 0 otherwise.
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int8(host, 0, &error), -1);
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_double(host, 0, &error), -1);
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_uint32(host, 0, &error), 0u);
    EXPECT_FALSE(tarvelin_providers_contracts_idata_reader_read(host, &error));
    EXPECT_EQ(error, nullptr);
    g_object_unref(host);

    // With is_null and get_data_type empty too, a cell is not NULL and reads as text.
    auto* bare = static_cast<TarvelinProvidersContractsIDataReader*>(g_object_new(HOST_TYPE_BARE_READER, nullptr));
    auto t = Ref<ValueObject>::adopt(tarvelin_providers_contracts_idata_reader_get_value(bare, 0, &error));
    EXPECT_EQ(t->type(), ValueString::gtype());
    EXPECT_EQ(t->to_string(), "bare");
    EXPECT_EQ(tarvelin_providers_contracts_idata_reader_get_int32(bare, 0, &error), -1);
    g_object_unref(bare);
}

// Result columns, rows, tables and the small results.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "providers/contracts/model_data_set.hpp"
#include "providers/contracts/value_integer.hpp"
#include "providers/contracts/value_string.hpp"

using namespace tarvelin;
using namespace tarvelin::providers::contracts;
using gobj::Ref;

namespace {

constexpr DataType kInt32 = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT32;
constexpr DataType kString = TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING;
constexpr DataVersion kInitial = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL;
constexpr DataVersion kIdentical = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_IDENTICAL;
constexpr DataVersion kInsert = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INSERT;
constexpr DataVersion kUpdate = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE;
constexpr DataVersion kDelete = TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_DELETE;

// Counts "notify::<name>" emissions.
struct NotifyCounter {
    int count = 0;
    gulong id = 0;
    GObject* object;
    NotifyCounter(GObject* o, const char* property) : object(o) {
        std::string signal = std::string("notify::") + property;
        id = g_signal_connect_swapped(o, signal.c_str(), G_CALLBACK(+[](NotifyCounter* self) { self->count++; }),
                                      this);
    }
    ~NotifyCounter() { g_signal_handler_disconnect(object, id); }
};

// Records items-changed as (position, removed, added).
struct ItemsChanged {
    std::vector<std::tuple<guint, guint, guint>> log;
    explicit ItemsChanged(GObject* model) {
        g_signal_connect(model, "items-changed",
                         G_CALLBACK(+[](GListModel*, guint p, guint r, guint a, ItemsChanged* self) {
                             self->log.emplace_back(p, r, a);
                         }),
                         this);
    }
};

std::string critical_of(const std::function<void()>& call) {
    testing::internal::CaptureStderr();
    call();
    return testing::internal::GetCapturedStderr();
}

Ref<RowModel> row_of(std::initializer_list<gint32> values, DataVersion version = kInitial) {
    auto row = RowModel::create();
    for (gint32 v : values) row->get_values().append(ValueInt32::create(v));
    row->set_version(version);
    return row;
}

gint32 int_at(const Ref<ValueObject>& v) { return gobj::ref_cast<ValueInt32>(v)->get_int32(); }

}  // namespace

// ---------------------------------------------------------------- ColumnModel

TEST(ColumnModel, ConstructorsAndDeclaredDefaults) {
    auto* c = tarvelin_providers_contracts_column_model_new();
    EXPECT_STREQ(tarvelin_providers_contracts_column_model_get_name(c), "");
    EXPECT_EQ(tarvelin_providers_contracts_column_model_get_title(c), nullptr);
    EXPECT_EQ(tarvelin_providers_contracts_column_model_get_data_type(c), TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_UNKNOWN);
    EXPECT_EQ(tarvelin_providers_contracts_column_model_get_data_size(c), 0u);
    g_object_unref(c);

    auto* full = tarvelin_providers_contracts_column_model_new_full_size("id", kInt32, G_MAXUINT64);
    EXPECT_STREQ(tarvelin_providers_contracts_column_model_get_name(full), "id");
    EXPECT_EQ(tarvelin_providers_contracts_column_model_get_data_size(full), G_MAXUINT64);
    gulong size = 0;
    g_object_get(full, "data-size", &size, nullptr);
    EXPECT_EQ(size, G_MAXULONG);
    g_object_unref(full);

    // The property system declares no text; only the constructors give "".
    GObjectClass* k = G_OBJECT_CLASS(g_type_class_peek(ColumnModel::gtype()));
    EXPECT_EQ(G_PARAM_SPEC_STRING(g_object_class_find_property(k, "name"))->default_value, nullptr);
    EXPECT_EQ(G_PARAM_SPEC_ULONG(g_object_class_find_property(k, "data-size"))->maximum, G_MAXULONG);

    EXPECT_NE(critical_of([] { EXPECT_EQ(tarvelin_providers_contracts_column_model_new_full(nullptr, kInt32), nullptr); })
                  .find("column_name != NULL"),
              std::string::npos);
}

TEST(ColumnModel, SettersNotifyOnlyOnChange) {
    auto c = ColumnModel::create();
    NotifyCounter name(c.gobj(), "name"), title(c.gobj(), "title");
    struct Step {
        const char* value;
        int name_count;
    } steps[] = {{"", 0}, {"a", 1}, {"a", 1}, {nullptr, 2}, {nullptr, 2}, {"", 3}};
    for (const auto& s : steps) {
        tarvelin_providers_contracts_column_model_set_name(
            reinterpret_cast<TarvelinProvidersContractsColumnModel*>(c.gobj()), s.value);
        EXPECT_EQ(name.count, s.name_count) << (s.value ? s.value : "NULL");
    }
    c->set_title("Identifier");
    c->set_title("Identifier");
    EXPECT_EQ(title.count, 1);
    EXPECT_EQ(c->get_name(), "");
}

// ---------------------------------------------------------------- RowModel

TEST(RowModel, PositionsOutsideTheRowGiveNothing) {
    auto row = row_of({10, 20});
    EXPECT_EQ(int_at(row->get_value_at(1)), 20);
    for (gint p : {2, -1, 100}) EXPECT_FALSE(row->get_value_at(p)) << p;
    auto* model = G_LIST_MODEL(row.gobj());
    EXPECT_EQ(g_list_model_get_item_type(model), ValueObject::gtype());
    EXPECT_EQ(g_list_model_get_n_items(model), 2u);
    for (guint p : {2u, G_MAXUINT}) EXPECT_EQ(g_list_model_get_item(model, p), nullptr);
    gpointer item = g_list_model_get_item(model, 0);
    EXPECT_EQ(G_OBJECT(item)->ref_count, 2u);  // a new reference beside the row's own
    g_object_unref(item);
}

TEST(RowModel, SetValueAtKeepsVersionAndRefusesOutsideTheRow) {
    auto row = row_of({1, 2}, kUpdate);
    NotifyCounter version(row.gobj(), "version");
    auto* c_row = reinterpret_cast<TarvelinProvidersContractsRowModel*>(row.gobj());
    auto v = ValueString::create("x");
    tarvelin_providers_contracts_row_model_set_value_at(c_row, 1, reinterpret_cast<TarvelinProvidersContractsValueObject*>(v.gobj()));
    EXPECT_EQ(row->get_value_at(1).gobj(), v.gobj());
    EXPECT_EQ(row->get_version(), kUpdate);
    EXPECT_EQ(version.count, 0);

    EXPECT_NE(critical_of([&] {
                  tarvelin_providers_contracts_row_model_set_value_at(
                      c_row, 2, reinterpret_cast<TarvelinProvidersContractsValueObject*>(v.gobj()));
              }).find("position < m_values.size"),
              std::string::npos);
    EXPECT_NE(critical_of([&] { tarvelin_providers_contracts_row_model_set_value_at(c_row, 0, nullptr); })
                  .find("value != NULL"),
              std::string::npos);
    EXPECT_EQ(row->get_values().size(), 2);
    EXPECT_EQ(int_at(row->get_value_at(0)), 1);
}

TEST(RowModel, CloneIsDeep) {
    auto row = RowModel::create();
    row->get_values().append(ValueInt32::create(7));
    row->get_values().append(ValueNull::create());
    row->get_values().append(ValueError::create(-1, "No data returned."));
    row->set_version(kDelete);

    auto copy = row->clone();
    EXPECT_EQ(copy->get_version(), kDelete);
    ASSERT_EQ(copy->get_values().size(), 3);
    for (int i = 0; i < 3; ++i) {
        auto a = row->get_value_at(i), b = copy->get_value_at(i);
        EXPECT_NE(a.gobj(), b.gobj()) << i;
        EXPECT_EQ(a->type(), b->type()) << i;
        EXPECT_EQ(a->to_string(), b->to_string()) << i;
    }
    gobj::ref_cast<ValueInt32>(copy->get_value_at(0))->set_itsvalue(8);
    copy->get_values().append(ValueInt32::create(9));
    EXPECT_EQ(int_at(row->get_value_at(0)), 7);
    EXPECT_EQ(row->get_values().size(), 3);
}

// ---------------------------------------------------------------- TableModel

TEST(TableModel, ListModelAccounting) {
    // Each step edits the table and states the items-changed it must emit, the result
    // returned, and the row order afterwards (rows are named by their first value).
    auto table = TableModel::create();
    ItemsChanged changes(table.gobj());
    std::vector<Ref<RowModel>> rows;
    for (gint32 i = 0; i < 5; ++i) rows.push_back(row_of({i}));
    auto order = [&] {
        std::vector<gint32> out;
        for (const auto& r : table->get_rows()) out.push_back(int_at(r->get_value_at(0)));
        return out;
    };
    struct Step {
        const char* what;
        std::function<gint()> edit;
        std::tuple<guint, guint, guint> change;
        gint result;
        std::vector<gint32> after;
    } steps[] = {
        {"append 0", [&] { return table->append(rows[0]); }, {0, 0, 1}, 0, {0}},
        {"append 1", [&] { return table->append(rows[1]); }, {1, 0, 1}, 1, {0, 1}},
        {"insert -1", [&] { return table->insert(-1, rows[2]); }, {2, 0, 1}, 2, {0, 1, 2}},
        {"insert 0", [&] { return table->insert(0, rows[3]); }, {0, 0, 1}, 0, {3, 0, 1, 2}},
        {"insert past end", [&] { return table->insert(99, rows[4]); }, {4, 0, 1}, 4, {3, 0, 1, 2, 4}},
        // A row the table already holds is announced where the new entry went, not at
        // its first position: observers would otherwise show the wrong row.
        {"append a held row", [&] { return table->append(rows[3]); }, {5, 0, 1}, 5, {3, 0, 1, 2, 4, 3}},
        {"insert a held row", [&] { return table->insert(1, rows[4]); }, {1, 0, 1}, 1, {3, 4, 0, 1, 2, 4, 3}},
        {"delete", [&] { table->remove(rows[0]); return 0; }, {2, 1, 0}, 0, {3, 4, 1, 2, 4, 3}},
        {"delete_at 2", [&] { return int_at(table->delete_at(2)->get_value_at(0)); }, {2, 1, 0}, 1, {3, 4, 2, 4, 3}},
        {"clear keeping columns", [&] { table->clear(false); return 0; }, {0, 5, 0}, 0, {}},
    };
    for (const auto& s : steps) {
        changes.log.clear();
        EXPECT_EQ(s.edit(), s.result) << s.what;
        ASSERT_EQ(changes.log.size(), 1u) << s.what;
        EXPECT_EQ(changes.log[0], s.change) << s.what;
        EXPECT_EQ(order(), s.after) << s.what;
    }

    // What changes nothing announces nothing.
    changes.log.clear();
    table->append(rows[0]);
    changes.log.clear();
    table->remove(rows[1]);
    EXPECT_FALSE(table->delete_at(1));
    EXPECT_FALSE(table->delete_at(-1));
    EXPECT_TRUE(changes.log.empty());
}

TEST(TableModel, UpdateRowVersionRules) {
    struct Case {
        DataVersion before;
        DataVersion requested;
        DataVersion after;  // the row's version, when it stays
        bool removed;
        int notifications;
    } cases[] = {
        {kInsert, kDelete, kInsert, true, 0},       {kInitial, kDelete, kDelete, false, 1},
        {kUpdate, kDelete, kDelete, false, 1},      {kInitial, kUpdate, kUpdate, false, 1},
        {kInsert, kUpdate, kInsert, false, 0},      {kDelete, kUpdate, kDelete, false, 0},
        {kIdentical, kUpdate, kIdentical, false, 0}, {kInitial, kInsert, kInitial, false, 0},
        {kInitial, kIdentical, kInitial, false, 0},
    };
    for (const auto& c : cases) {
        auto table = TableModel::create();
        table->append(row_of({1}));
        auto row = row_of({2}, c.before);
        table->append(row);
        ItemsChanged changes(table.gobj());
        NotifyCounter version(row.gobj(), "version");
        table->update_row_version(1, c.requested);
        SCOPED_TRACE(testing::Message() << "from " << c.before << " asking " << c.requested);
        EXPECT_EQ(table->get_rows().size(), c.removed ? 1 : 2);
        if (c.removed) {
            ASSERT_EQ(changes.log.size(), 1u);
            EXPECT_EQ(changes.log[0], std::make_tuple(1u, 1u, 0u));
        } else {
            EXPECT_TRUE(changes.log.empty());
            EXPECT_EQ(row->get_version(), c.after);
        }
        EXPECT_EQ(version.count, c.notifications);
    }

    auto table = TableModel::create();
    auto row = row_of({1});
    table->append(row);
    NotifyCounter version(row.gobj(), "version");
    table->update_row_version(0, kUpdate);
    table->update_row_version(0, kUpdate);
    EXPECT_EQ(version.count, 1);
    for (gint p : {1, -1})
        EXPECT_NE(critical_of([&] { table->update_row_version(p, kDelete); }).find("position"), std::string::npos);
    EXPECT_EQ(table->get_rows().size(), 1);
}

TEST(TableModel, CellsAndFind) {
    auto table = TableModel::create();
    table->append(row_of({1, 2}));
    table->append(row_of({3}));
    EXPECT_EQ(int_at(table->get_value_at(1, 0)), 2);
    for (auto [col, row] : {std::pair{2, 0}, {1, 1}, {0, 2}, {-1, 0}, {0, -1}})
        EXPECT_FALSE(table->get_value_at(col, row)) << col << "," << row;

    auto* c_table = reinterpret_cast<TarvelinProvidersContractsTableModel*>(table.gobj());
    auto v = ValueInt32::create(9);
    auto* c_v = reinterpret_cast<TarvelinProvidersContractsValueObject*>(v.gobj());
    tarvelin_providers_contracts_table_model_set_value_at(c_table, 0, 1, c_v);
    EXPECT_EQ(int_at(table->get_value_at(0, 1)), 9);
    EXPECT_EQ(table->get_rows().at(1)->get_version(), kInitial);
    EXPECT_NE(critical_of([&] { tarvelin_providers_contracts_table_model_set_value_at(c_table, 1, 1, c_v); })
                  .find("col < m_rows[row].values.size"),
              std::string::npos);
    EXPECT_NE(critical_of([&] { tarvelin_providers_contracts_table_model_set_value_at(c_table, 0, 2, c_v); })
                  .find("row < m_rows.size"),
              std::string::npos);

    // find is by identity: an equal row of another table is not found.
    auto* second = reinterpret_cast<TarvelinProvidersContractsRowModel*>(table->get_rows().at(1).gobj());
    gint position = -7;
    EXPECT_TRUE(tarvelin_providers_contracts_table_model_find(c_table, second, &position));
    EXPECT_EQ(position, 1);
    auto lookalike = row_of({1, 2});
    position = -7;
    EXPECT_FALSE(tarvelin_providers_contracts_table_model_find(
        c_table, reinterpret_cast<TarvelinProvidersContractsRowModel*>(lookalike.gobj()), &position));
    EXPECT_EQ(position, 0);
    position = -7;
    critical_of([&] { EXPECT_FALSE(tarvelin_providers_contracts_table_model_find(c_table, nullptr, &position)); });
    EXPECT_EQ(position, -7);
    critical_of([&] { EXPECT_EQ(tarvelin_providers_contracts_table_model_append(c_table, nullptr), 0); });
    EXPECT_EQ(table->get_rows().size(), 2);

    auto* model = G_LIST_MODEL(table.gobj());
    EXPECT_EQ(g_list_model_get_item_type(model), RowModel::gtype());
    EXPECT_EQ(g_list_model_get_item(model, 2), nullptr);
}

TEST(TableModel, NewRowHoldsEachColumnsDefault) {
    const DataType types[] = {kInt32, kString, TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DBNULL};
    auto table = TableModel::create_with_types(types);
    auto row = table->new_row();
    EXPECT_EQ(row->get_version(), kInsert);
    ASSERT_EQ(row->get_values().size(), 3);
    EXPECT_EQ(int_at(row->get_value_at(0)), 0);
    EXPECT_EQ(row->get_value_at(1)->type(), ValueString::gtype());
    EXPECT_EQ(row->get_value_at(1)->to_string(), "");
    EXPECT_EQ(row->get_value_at(2)->type(), ValueNull::gtype());
    EXPECT_EQ(table->get_rows().size(), 0);
    EXPECT_EQ(table->append(row), 0);
}

TEST(TableModel, ClearWithColumns) {
    const DataType types[] = {kInt32, kString};
    auto* c_table = tarvelin_providers_contracts_table_model_new_with_types(types, 2);
    auto* table = gobj::cast<TableModel>(c_table);
    ASSERT_EQ(table->get_columns().size(), 2);
    EXPECT_EQ(table->get_columns().at(1)->get_data_type(), kString);
    EXPECT_EQ(table->get_columns().at(1)->get_name(), "");
    table->append(table->new_row());
    ItemsChanged changes(G_OBJECT(c_table));
    table->clear(false);
    EXPECT_EQ(table->get_columns().size(), 2);
    EXPECT_EQ(table->new_row()->get_values().size(), 2);
    table->clear(true);
    EXPECT_EQ(table->get_columns().size(), 0);
    EXPECT_EQ(changes.log, (std::vector<std::tuple<guint, guint, guint>>{{0, 1, 0}, {0, 0, 0}}));
    g_object_unref(c_table);
}

// ---------------------------------------------------------------- DataSetModel, small results

TEST(DataSetAndResults, ListsAndProperties) {
    auto set = DataSetModel::create();
    set->get_tables().append(TableModel::create());
    auto* model = G_LIST_MODEL(set.gobj());
    EXPECT_EQ(g_list_model_get_n_items(model), 1u);
    EXPECT_EQ(g_list_model_get_item_type(model), TableModel::gtype());
    EXPECT_TRUE(g_type_is_a(TableModel::gtype(), IResult::gtype()));

    auto invalid = Ref<InvalidResult>::adopt(tarvelin_providers_contracts_invalid_result_new("42", "bad"));
    auto* c_invalid = reinterpret_cast<TarvelinProvidersContractsInvalidResult*>(invalid.gobj());
    EXPECT_TRUE(TARVELIN_PROVIDERS_CONTRACTS_IS_IRESULT(c_invalid));
    EXPECT_STREQ(tarvelin_providers_contracts_invalid_result_get_code(c_invalid), "42");
    NotifyCounter message(invalid.gobj(), "message");
    tarvelin_providers_contracts_invalid_result_set_message(c_invalid, "bad");
    tarvelin_providers_contracts_invalid_result_set_message(c_invalid, "worse");
    EXPECT_EQ(message.count, 1);
    EXPECT_NE(critical_of([] { EXPECT_EQ(tarvelin_providers_contracts_invalid_result_new(nullptr, "m"), nullptr); })
                  .find("error_code != NULL"),
              std::string::npos);

    auto scalar = Ref<ScalarResult>::adopt(tarvelin_providers_contracts_scalar_result_new(G_MININT32));
    EXPECT_EQ(scalar->get_rows(), G_MININT32);
    NotifyCounter rows(scalar.gobj(), "rows");
    g_object_set(scalar.gobj(), "rows", G_MININT32, nullptr);
    g_object_set(scalar.gobj(), "rows", 3, nullptr);
    EXPECT_EQ(rows.count, 1);
}

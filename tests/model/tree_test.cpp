// A whole catalogue tree: JSON round trip against a golden text, copies and insertion order.
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

#include "model_support.hpp"

namespace model_test {
namespace {

Ref<MetaTable> sample_table(const char* db, const char* schema, const char* name, bool reversed) {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), db, schema, name);
    t->set_comment("orders of a customer");
    put(t->get_attributes(), "OWNER", "shop");
    auto id = t->new_column("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    id->set_raw_type("BIGINT");
    id->set_not_null(true);
    id->set_is_primary_key(true);
    id->set_primary_ordinal(1);
    id->set_ordinal(1);
    id->set_auto_increment(true);
    auto total = t->new_column("total", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    total->set_raw_type("NUMERIC");
    total->set_length(10);
    total->set_scale(2);
    total->set_default_value("0");
    total->set_ordinal(2);
    put(total->get_attributes(), reversed ? "B" : "A", reversed ? "2" : "1");
    put(total->get_attributes(), reversed ? "A" : "B", reversed ? "1" : "2");

    auto pk = PrimaryKey::create_with_name(PrimaryKey::gtype(), "pk_orders");
    auto uq = MetaUnique::create_with_name(MetaUnique::gtype(), "uq_total");
    uq->set_columns("total");
    auto ck = MetaCheck::create_with_name(MetaCheck::gtype(), "ck_total", "total >= 0");
    ck->set_no_inherit(false);
    ck->set_enforced(true);
    auto fk = MetaForeignKey::create_with_refer(MetaForeignKey::gtype(), "fk_customer", schema, "customers");
    fk->set_local_columns("customer_id");
    fk->set_refer_columns("id");
    fk->set_delete_action("CASCADE");
    auto ex = MetaExclude::create_with_name(MetaExclude::gtype(), "ex_range");
    ex->set_index_method("gist");
    ex->set_elements("period WITH &&");
    for (MetaObject* c : std::initializer_list<MetaObject*>{pk.get(), uq.get(), ck.get(), fk.get(), ex.get()}) {
        add(t->get_constraints(), *c);
    }

    auto ix = MetaIndex::create_with_names(MetaIndex::gtype(), db, schema, name, "ix_total");
    ix->append("total");
    ix->append("id");
    ix->set_method("btree");
    ix->set_key_block_size(8);
    add(t->get_indexes(), *ix);
    auto rule = MetaRule::create_with_name(MetaRule::gtype(), "r_protect");
    rule->set_event("DELETE");
    rule->set_action("INSTEAD");
    rule->set_enable(true);
    add(t->get_rules(), *rule);
    auto trg = MetaTrigger::create_with_body(MetaTrigger::gtype(), "t_audit", "INSERT INTO audit VALUES (1)");
    trg->set_timing("AFTER");
    trg->set_event("INSERT");
    add(t->get_triggers(), *trg);
    put(t->get_options(), reversed ? "TABLESPACE" : "ENGINE", reversed ? "fast" : "InnoDB");
    put(t->get_options(), reversed ? "ENGINE" : "TABLESPACE", reversed ? "InnoDB" : "fast");
    return t;
}

// Two schemas holding one of each kind of child. `reversed` fills every map in the
// opposite order.
Ref<MetaDatabase> sample_tree(bool reversed) {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
    db->set_version(TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_UPDATE);
    for (const char* schema_name : {"public", "archive"}) {
        auto s = db->append(schema_name);
        auto t = sample_table("shop", schema_name, "orders", reversed);
        add(s->get_tables(), *t);
        auto v = MetaView::create_with_names(MetaView::gtype(), "shop", schema_name, "v_orders");
        v->set_definition("select o.id AS order_id, total  from orders o");
        add(s->get_views(), *v);
        auto m = Materialized::create_with_names(Materialized::gtype(), "shop", schema_name, "m_totals");
        m->set_definition("select sum(total) as total  from orders");
        m->set_with_data(false);
        m->set_fill_factor("70");
        add(s->get_miews(), *m);
        auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", schema_name, "f_total");
        f->set_is_function(true);
        f->set_return_type("numeric");
        add_text(f->get_parameters(), "IN a int");
        add_text(f->get_parameters(), "IN b int");
        add(s->get_functions(), *f);
        auto p = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", schema_name, "p_purge");
        p->set_body("DELETE FROM orders");
        add_text(p->get_parameters(), "IN days int");
        add(s->get_procedures(), *p);
        auto e = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", schema_name, "e_nightly");
        e->set_schedule("EVERY 1 DAY");
        add(s->get_events(), *e);
    }
    return db;
}

template <class T>
Ref<T> sample_account(bool reversed) {
    auto a = T::create_with_names(T::gtype(), "shop", "public", "clerk", "server");
    a->set_password("secret");
    const char* privileges[][2] = {{"`shop`.*", "SELECT, INSERT"}, {"`shop`.`orders`", "UPDATE, GRANT OPTION"}};
    const char* relations[][2] = {{"clerk=reader", "true"}, {"clerk=writer", "false"}};
    for (int i = 0; i < 2; ++i) {
        int k = reversed ? 1 - i : i;
        put(a->get_privileges(), privileges[k][0], privileges[k][1]);
        put(a->get_relations(), relations[k][0], relations[k][1]);
    }
    return a;
}

std::string golden(const char* name, const std::string& actual) {
    std::string path = std::string(TARVELIN_TEST_DATA) + "/" + name;
    if (g_getenv("TARVELIN_UPDATE_GOLDEN")) {
        std::ofstream(path) << actual;
    }
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every container reachable from `a` is a different object from its twin in `b`.
void expect_no_shared_container(MetaObject& a, MetaObject& b) {
    guint n = 0;
    GParamSpec** specs = g_object_class_list_properties(G_OBJECT_GET_CLASS(a.gobj()), &n);
    for (guint i = 0; i < n; ++i) {
        if (!G_IS_PARAM_SPEC_OBJECT(specs[i]) || g_type_is_a(specs[i]->value_type, G_TYPE_LIST_MODEL)) continue;
        GObject *ca = nullptr, *cb = nullptr;
        g_object_get(a.gobj(), specs[i]->name, &ca, nullptr);
        g_object_get(b.gobj(), specs[i]->name, &cb, nullptr);
        EXPECT_NE(ca, cb) << a.type_name() << " " << specs[i]->name;
        if (GEE_IS_ARRAY_LIST(ca) &&
            gee_traversable_get_element_type(GEE_TRAVERSABLE(ca)) != G_TYPE_STRING) {
            auto la = tarvelin::gobj::GeeArray<MetaObject>::wrap(GEE_ARRAY_LIST(ca));
            auto lb = tarvelin::gobj::GeeArray<MetaObject>::wrap(GEE_ARRAY_LIST(cb));
            EXPECT_EQ(la.size(), lb.size());
            for (int k = 0; k < la.size() && k < lb.size(); ++k) {
                EXPECT_NE(la.peek(k), lb.peek(k));
                expect_no_shared_container(*la.peek(k), *lb.peek(k));
            }
        }
        if (ca) g_object_unref(ca);
        if (cb) g_object_unref(cb);
    }
    g_free(specs);
}

TEST(Tree, WritesTheGoldenTextAndReadsItBackByteForByte) {
    auto db = sample_tree(false);
    std::string first = pretty(*db);
    EXPECT_EQ(first, golden("tree.json", first));
    auto back = read_json(MetaDatabase::gtype(), first);
    ASSERT_TRUE(back);
    EXPECT_EQ(pretty(*back), first);
}

TEST(Tree, ConstraintsComeBackAsTheirOwnClasses) {
    auto back = read_json(MetaDatabase::gtype(), pretty(*sample_tree(false)));
    auto db = ref_cast<MetaDatabase>(back);
    ASSERT_TRUE(db);
    for (auto schema : tarvelin::gobj::GeeArray<MetaSchema>::wrap(db->get_schemas())) {
        auto tables = tarvelin::gobj::GeeArray<MetaTable>::wrap(schema->get_tables());
        ASSERT_EQ(tables.size(), 1);
        std::vector<std::string> classes;
        for (auto c : tarvelin::gobj::GeeArray<MetaObject>::wrap(tables.peek(0)->get_constraints())) {
            classes.emplace_back(c->type_name());
        }
        EXPECT_EQ(classes, (std::vector<std::string>{
                               "TarvelinRezezadovuMetaModelPrimaryKey", "TarvelinRezezadovuMetaModelMetaUnique",
                               "TarvelinRezezadovuMetaModelMetaCheck", "TarvelinRezezadovuMetaModelMetaForeignKey",
                               "TarvelinRezezadovuMetaModelMetaExclude"}));
        auto miews = tarvelin::gobj::GeeArray<MetaObject>::wrap(schema->get_miews());
        ASSERT_EQ(miews.size(), 1);
        EXPECT_STREQ(miews.peek(0)->type_name(), "TarvelinRezezadovuMetaModelMaterialized");
    }
}

TEST(Tree, CopyWritesTheSameTextAndSharesNoContainer) {
    auto db = sample_tree(false);
    auto copy = db->clone();
    EXPECT_EQ(pretty(*copy), pretty(*db));
    expect_no_shared_container(*db, *copy);
}

TEST(Tree, InsertionOrderOfMapsDoesNotChangeTheText) {
    EXPECT_EQ(pretty(*sample_tree(true)), pretty(*sample_tree(false)));
    EXPECT_EQ(pretty(*sample_account<MetaUser>(true)), pretty(*sample_account<MetaUser>(false)));
    EXPECT_EQ(pretty(*sample_account<MetaRole>(true)), pretty(*sample_account<MetaRole>(false)));
}

TEST(Tree, AccountsRoundTripWithBothMaps) {
    struct Case {
        const char* golden;
        Ref<MetaObject> account;
    } cases[] = {{"user.json", sample_account<MetaUser>(false)}, {"role.json", sample_account<MetaRole>(false)}};
    for (auto& c : cases) {
        std::string text = pretty(*c.account);
        EXPECT_EQ(text, golden(c.golden, text));
        auto back = read_json(c.account->type(), text);
        ASSERT_TRUE(back);
        EXPECT_EQ(pretty(*back), text);
        auto copy = c.account->clone();
        EXPECT_EQ(pretty(*copy), text);
        expect_no_shared_container(*c.account, *copy);
    }
}

}  // namespace
}  // namespace model_test

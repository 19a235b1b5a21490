// A whole catalogue tree: JSON round trip, copy and insertion order.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "rezezadovu/model/meta_classify.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_role.hpp"

namespace {

using namespace tarvelin::rezezadovu::meta_model;
using tarvelin::gobj::Ref;

void add(GeeArrayList* list, MetaObject& o) { gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(list), o.gobj()); }
void put(GeeHashMap* map, const char* k, const char* v) { gee_abstract_map_set(GEE_ABSTRACT_MAP(map), k, v); }

std::string to_json(MetaObject& o) {
    gchar* s = json_gobject_to_data(o.gobj(), nullptr);
    std::string out(s);
    g_free(s);
    return out;
}

Ref<MetaObject> from_json(GType type, const std::string& text) {
    GError* error = nullptr;
    GObject* o = json_gobject_from_data(type, text.c_str(), -1, &error);
    EXPECT_EQ(error, nullptr);
    return Ref<MetaObject>::adopt(o);
}

Ref<MetaTable> sample_table(const char* db, const char* schema, const char* name, bool reversed) {
    auto t = MetaTable::create_with_names(MetaTable::gtype(), db, schema, name);
    t->set_comment("orders of a customer");
    auto id = t->new_column("id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    id->set_raw_type("BIGINT");
    id->set_not_null(true);
    id->set_is_primary_key(true);
    id->set_ordinal(1);
    auto total = t->new_column("total", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_DECIMAL);
    total->set_length(10);
    total->set_scale(2);
    total->set_default_value("0");
    put(total->get_attributes(), reversed ? "B" : "A", "1");
    put(total->get_attributes(), reversed ? "A" : "B", "2");

    auto pk = PrimaryKey::create_with_name(PrimaryKey::gtype(), "pk_orders");
    auto uq = MetaUnique::create_with_name(MetaUnique::gtype(), "uq_total");
    uq->set_columns("total");
    auto ck = MetaCheck::create_with_name(MetaCheck::gtype(), "ck_total", "total >= 0");
    ck->set_no_inherit(false);
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

Ref<MetaDatabase> sample_tree(bool reversed) {
    auto db = MetaDatabase::create_with_name(MetaDatabase::gtype(), "shop");
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
        add(s->get_miews(), *m);
        auto f = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", schema_name, "f_total");
        f->set_is_function(true);
        f->set_return_type("numeric");
        gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(f->get_parameters()), "IN a int");
        gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(f->get_parameters()), "IN b int");
        add(s->get_functions(), *f);
        auto p = MetaFunction::create_with_names(MetaFunction::gtype(), "shop", schema_name, "p_purge");
        p->set_body("DELETE FROM orders");
        add(s->get_procedures(), *p);
        auto e = MetaEvent::create_with_names(MetaEvent::gtype(), "shop", schema_name, "e_nightly");
        e->set_schedule("EVERY 1 DAY");
        add(s->get_events(), *e);
    }
    return db;
}

TEST(Tree, RoundTripsThroughJsonByteForByte) {
    auto db = sample_tree(false);
    std::string first = to_json(*db);
    auto back = from_json(MetaDatabase::gtype(), first);
    ASSERT_TRUE(back);
    EXPECT_EQ(to_json(*back), first);
    std::cout << first << "\n";
}

}  // namespace

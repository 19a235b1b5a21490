// What the dialect-base suites share: a connection to make dialect objects with, and the
// text of a C result.
#pragma once

#include <gtest/gtest.h>

#include <tarvelin/rezezadovu/database.h>

#include <string>
#include <vector>

#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"
#include "rezezadovu/supports/database/connection_impl.hpp"
#include "support/driver_checks.hpp"

namespace tarvelin::test {

class DialectFixture : public testing::Test {
protected:
    gobj::Ref<rezezadovu::supports::database::ConnectionImpl> connection =
        rezezadovu::supports::database::ConnectionImpl::create();
    TarvelinRezezadovuContractsDatabaseIConnection* conn() const {
        return static_cast<TarvelinRezezadovuContractsDatabaseIConnection*>(connection.instance());
    }
};

// One catalogue object of each kind the adapter and builder contracts take.
struct OneOfEach {
    gobj::Ref<rezezadovu::meta_model::MetaDatabase> database =
        rezezadovu::meta_model::MetaDatabase::create_with_name(rezezadovu::meta_model::MetaDatabase::gtype(), "db");
    gobj::Ref<rezezadovu::meta_model::MetaSchema> schema = database->append("main");
    gobj::Ref<rezezadovu::meta_model::MetaTable> table = rezezadovu::meta_model::MetaTable::create_with_names(
        rezezadovu::meta_model::MetaTable::gtype(), "db", "main", "t");
    gobj::Ref<rezezadovu::meta_model::MetaView> view = gobj::create<rezezadovu::meta_model::MetaView>();
    gobj::Ref<rezezadovu::meta_model::MetaIndex> index = gobj::create<rezezadovu::meta_model::MetaIndex>();
    gobj::Ref<rezezadovu::meta_model::MetaTrigger> trigger = gobj::create<rezezadovu::meta_model::MetaTrigger>();
    gobj::Ref<rezezadovu::meta_model::MetaFunction> function = gobj::create<rezezadovu::meta_model::MetaFunction>();
    gobj::Ref<rezezadovu::meta_model::MetaUser> user = gobj::create<rezezadovu::meta_model::MetaUser>();
    gobj::Ref<rezezadovu::meta_model::MetaRole> role = gobj::create<rezezadovu::meta_model::MetaRole>();
    gobj::Ref<rezezadovu::meta_model::MetaEvent> event = gobj::create<rezezadovu::meta_model::MetaEvent>();

    std::vector<gobj::Ref<rezezadovu::meta_model::MetaObject>> all() const {
        return {database, schema, table, view, index, trigger, function, user, role, event};
    }
};

// A new C text as a string (freed), "(null)" for none.
inline std::string take(gchar* text) { return text ? gobj::take_string(text) : std::string("(null)"); }

}  // namespace tarvelin::test

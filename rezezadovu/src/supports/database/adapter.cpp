#include "rezezadovu/supports/database/adapter.hpp"

#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/model/meta_database.hpp"
#include "rezezadovu/model/meta_function.hpp"
#include "rezezadovu/model/meta_role.hpp"
#include "rezezadovu/model/meta_view.hpp"

TARVELIN_LOG_TAG("adapter")

namespace tarvelin::rezezadovu::supports::database {

using namespace meta_model;

TARVELIN_GTYPE(Adapter, "TarvelinRezezadovuSupportsDatabaseAdapter", gobj::Object, contracts::database::IAdaptable)

gobj::Ref<Adapter> Adapter::create(GType type, CConnection* connection) {
    return create_linked<Adapter>(type, connection);
}

void Adapter::fill_meta_database(MetaDatabase* database, bool) { (void)TARVELIN_GIVEN(database); }
void Adapter::fill_meta_schema(MetaSchema* schema, bool) { (void)TARVELIN_GIVEN(schema); }
void Adapter::fill_meta_table(MetaTable* table, bool) { (void)TARVELIN_GIVEN(table); }
void Adapter::fill_meta_view(MetaView* view) { (void)TARVELIN_GIVEN(view); }
void Adapter::fill_meta_index(MetaIndex* index) { (void)TARVELIN_GIVEN(index); }
void Adapter::fill_meta_trigger(MetaTrigger* trigger) { (void)TARVELIN_GIVEN(trigger); }
void Adapter::fill_meta_function(MetaFunction* function) { (void)TARVELIN_GIVEN(function); }
void Adapter::fill_meta_user(MetaUser* user) { (void)TARVELIN_GIVEN(user); }
void Adapter::fill_meta_role(MetaRole* role) { (void)TARVELIN_GIVEN(role); }
void Adapter::fill_meta_event(MetaEvent* event) { (void)TARVELIN_GIVEN(event); }
void Adapter::fill_meta_object(MetaObject* meta_object, bool) { (void)TARVELIN_GIVEN(meta_object); }
void Adapter::fill_data_table(TableModel* table) { (void)TARVELIN_GIVEN(table); }

void Adapter::fill_data_set(DataSetModel* dataset) {
    if (!TARVELIN_GIVEN(dataset)) return;
    const auto& tables = dataset->get_tables();
    const int size = tables.size();
    // A fill that shortens the list ends the walk rather than reading past it.
    for (int i = 0; i < size && i < tables.size(); ++i) fill_data_table(tables.at(i).get());
}

}  // namespace tarvelin::rezezadovu::supports::database

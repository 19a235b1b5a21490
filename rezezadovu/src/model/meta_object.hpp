// The base of every catalogue object: identity texts, comment, attributes, previous
// name, change state, the comparison's diff and slice maps, copy, reset and JSON form.
// Single thread: a tree is built, compared and read on one thread at a time.
#pragma once

#include <tarvelin/rezezadovu/meta_model.h>

#include "providers/contracts/serializable.hpp"
#include "providers/contracts/vocabulary.hpp"
#include "providers/gobj/gee.hpp"
#include "providers/gobj/property_row.hpp"
#include "providers/gobj/slot.hpp"
#include "rezezadovu/model/json_form.hpp"

// The vocabulary's kinds of the catalogue's property rows.
namespace tarvelin::gobj::prop {
using DataType = Enum<providers::contracts::DataType, &providers::contracts::data_type_gtype>;
using DataVersion = Flags<providers::contracts::DataVersion, &providers::contracts::data_version_gtype>;
}  // namespace tarvelin::gobj::prop

namespace tarvelin::rezezadovu::meta_model {

using providers::contracts::DataType;
using providers::contracts::DataVersion;
using providers::contracts::DBObject;

class MetaObject;

// The copy and reset contract; MetaObject is its one implementation.
class TARVELIN_EXPORT IMetaData : public gobj::Interface {
public:
    using Vtable = TarvelinRezezadovuMetaModelIMetaDataInterface;
    static GType gtype();
    virtual gobj::Ref<IMetaData> clone_data() = 0;
    virtual void reset() = 0;

    template <class T>
    static void fill(Vtable* vt) {
        vt->clone = gobj::slot<T, &IMetaData::clone_data>(vt->clone);
        vt->reset = gobj::slot<T, &IMetaData::reset>(vt->reset);
    }
};

// Object data an adapter sets on an object it filled completely: GINT_TO_POINTER(1),
// without destroy function. reset() removes it.
inline constexpr const char* kFilled = "FILLED";
// Object data of the SQLite rebuild: the owned name of a table's backup copy.
inline constexpr const char* kBackup = "BACKUP";

// Texts are registered NULL and start "". The catalogue's lists and maps are the
// object's own from the start; setting a list or map notifies every time, except the
// attribute map already held.
// clang-format off
#define TARVELIN_META_OBJECT_PROPERTIES(P) \
    P(Text, database, "database", nullptr, RW, "", OnChange) \
    P(Text, schema, "schema", nullptr, RW, "", OnChange) \
    P(Text, name, "name", nullptr, RW, "", OnChange) \
    P(Text, comment, "comment", nullptr, RW, "", OnChange) \
    P(Map, attributes, "attributes", nullptr, RW, json_form::new_text_map(), OnChange) \
    P(Text, original, "original", nullptr, RW, "", OnChange) \
    P(DataVersion, version, "version", TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, RW, \
      TARVELIN_PROVIDERS_CONTRACTS_DATA_VERSION_INITIAL, OnChange)
// clang-format on

class TARVELIN_EXPORT MetaObject : public gobj::Object, public IMetaData, public providers::contracts::Serializable {
public:
    using Self = MetaObject;
    static GType gtype();
    static void describe(gobj::ClassSpec<MetaObject>& c);
    static gobj::Ref<MetaObject> create(GType type = gtype());

    TARVELIN_META_OBJECT_PROPERTIES(TARVELIN_PROPERTY_ACCESSORS)

    // A new object of this object's own class: every writable property through its
    // setter (libgee containers excepted), then the attribute entries. Classes with
    // containers add copies of their children. Diff, slice and object data stay behind.
    virtual gobj::Ref<MetaObject> clone();
    // Back to the unfilled state; names stay.
    void reset() override;
    virtual DBObject character();

    // The JSON hooks. Containers are written here (texts maps with sorted keys, lists as
    // arrays, constraints with their "class"); everything else goes to json-glib.
    JsonNode* serialize_property(const char* name, const GValue* value, GParamSpec* pspec) override;
    bool deserialize_property(const char* name, GValue* value, GParamSpec* pspec, JsonNode* node) override;

    // The maps themselves (not copies), for the structure comparison and the builders.
    GeeHashMap* diff() const noexcept { return diff_.get(); }
    GeeHashMap* slice() const noexcept { return slice_.get(); }
    void append_diff(const char* key, DataVersion version);
    void append_slice(const char* key, const char* value);
    void clear_diff();
    void clear_slice();

    gobj::Ref<IMetaData> clone_data() override;

    MetaObject();

    // Sets "name", then "schema", then "database": the named constructors' order.
    void set_names(const char* database, const char* schema, const char* name);

private:
    TARVELIN_META_OBJECT_PROPERTIES(TARVELIN_PROPERTY_STORAGE)
    gobj::GPtr<GeeHashMap> diff_;
    gobj::GPtr<GeeHashMap> slice_;
};

// The copy of `source`, typed as its own class.
template <class T>
gobj::Ref<T> clone_as(T& source) {
    return gobj::ref_cast<T>(source.MetaObject::clone());
}

}  // namespace tarvelin::rezezadovu::meta_model

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelIMetaData, tarvelin::rezezadovu::meta_model::IMetaData)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelIMetaDataInterface, tarvelin::rezezadovu::meta_model::IMetaData)
TARVELIN_BIND_C_TYPE(TarvelinRezezadovuMetaModelMetaObject, tarvelin::rezezadovu::meta_model::MetaObject)

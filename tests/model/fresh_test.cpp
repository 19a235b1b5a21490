// A process whose first use of the model is reading a table: every constraint class is
// known by name from the moment the library is loaded.
#include <gtest/gtest.h>
#include <json-glib/json-glib.h>
#include <tarvelin/rezezadovu/meta_model.h>

TEST(FreshProcess, ATableIsReadBeforeAnyConstraintWasMade) {
    for (const char* name : {"TarvelinRezezadovuMetaModelMetaConstraint", "TarvelinRezezadovuMetaModelPrimaryKey",
                             "TarvelinRezezadovuMetaModelMetaCheck", "TarvelinRezezadovuMetaModelMetaUnique",
                             "TarvelinRezezadovuMetaModelMetaForeignKey", "TarvelinRezezadovuMetaModelMetaExclude"}) {
        EXPECT_NE(g_type_from_name(name), G_TYPE_INVALID) << name;
    }
    GError* error = nullptr;
    GObject* table = json_gobject_from_data(
        g_type_from_name("TarvelinRezezadovuMetaModelMetaTable"),
        R"({"name":"t","constraints":[{"name":"x","class":"TarvelinRezezadovuMetaModelMetaExclude","elements":"a WITH ="}]})",
        -1, &error);
    ASSERT_NE(table, nullptr);
    GeeArrayList* constraints =
        tarvelin_rezezadovu_meta_model_meta_table_get_constraints(TARVELIN_REZEZADOVU_META_MODEL_META_TABLE(table));
    ASSERT_EQ(gee_abstract_collection_get_size(GEE_ABSTRACT_COLLECTION(constraints)), 1);
    GObject* x = G_OBJECT(gee_abstract_list_get(GEE_ABSTRACT_LIST(constraints), 0));
    EXPECT_STREQ(G_OBJECT_TYPE_NAME(x), "TarvelinRezezadovuMetaModelMetaExclude");
    EXPECT_STREQ(tarvelin_rezezadovu_meta_model_meta_exclude_get_elements(TARVELIN_REZEZADOVU_META_MODEL_META_EXCLUDE(x)),
                 "a WITH =");
    g_object_unref(x);
    g_object_unref(table);
}

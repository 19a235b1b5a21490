/* The catalogue tree from C: a table with a column, a check and an index, in a schema,
 * written to JSON and read back. */
#include "chost.h"

#include <json-glib/json-glib.h>
#include <tarvelin/rezezadovu/meta_model.h>

#define OBJ(o) ((TarvelinRezezadovuMetaModelMetaObject *)(o))

int chost_model(void)
{
    int failures = 0;
    TarvelinRezezadovuMetaModelMetaTable *table =
        tarvelin_rezezadovu_meta_model_meta_table_new_with_names("shop", "public", "orders");
    TarvelinRezezadovuMetaModelMetaColumn *column =
        tarvelin_rezezadovu_meta_model_meta_table_new_column(table, "id", TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_INT64);
    tarvelin_rezezadovu_meta_model_meta_column_set_raw_type(column, "BIGINT");
    tarvelin_rezezadovu_meta_model_meta_column_set_not_null(column, TRUE);
    g_object_unref(column);

    TarvelinRezezadovuMetaModelMetaCheck *check =
        tarvelin_rezezadovu_meta_model_meta_check_new_with_name("ck_id", "id > 0");
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(tarvelin_rezezadovu_meta_model_meta_table_get_constraints(table)),
                                check);
    g_object_unref(check);

    TarvelinRezezadovuMetaModelMetaIndex *index =
        tarvelin_rezezadovu_meta_model_meta_index_new_with_names("shop", "public", "orders", "ix_id");
    tarvelin_rezezadovu_meta_model_meta_index_append(index, "id");
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(tarvelin_rezezadovu_meta_model_meta_table_get_indexes(table)),
                                index);
    g_object_unref(index);

    TarvelinRezezadovuMetaModelMetaSchema *schema =
        tarvelin_rezezadovu_meta_model_meta_schema_new_with_names("shop", "public");
    gee_abstract_collection_add(GEE_ABSTRACT_COLLECTION(tarvelin_rezezadovu_meta_model_meta_schema_get_tables(schema)),
                                table);
    CHOST_CHECK(failures, tarvelin_rezezadovu_meta_model_meta_object_character(OBJ(schema)) ==
                              TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA);

    gchar *text = json_gobject_to_data(G_OBJECT(schema), NULL);
    printf("%s\n", text);
    CHOST_CHECK(failures, strstr(text, "\"class\" : \"TarvelinRezezadovuMetaModelMetaCheck\"") != NULL);
    CHOST_CHECK(failures, strstr(text, "\"check\" : \"id > 0\"") != NULL);

    GError *error = NULL;
    GObject *back = json_gobject_from_data(TARVELIN_REZEZADOVU_META_MODEL_TYPE_META_SCHEMA, text, -1, &error);
    CHOST_CHECK(failures, back != NULL && error == NULL);
    if (back) {
        gchar *again = json_gobject_to_data(back, NULL);
        CHOST_CHECK_STR(failures, again, text);
        GeeArrayList *tables = tarvelin_rezezadovu_meta_model_meta_schema_get_tables(
            TARVELIN_REZEZADOVU_META_MODEL_META_SCHEMA(back));
        TarvelinRezezadovuMetaModelMetaTable *read = gee_abstract_list_get(GEE_ABSTRACT_LIST(tables), 0);
        TarvelinRezezadovuMetaModelMetaColumn *id = tarvelin_rezezadovu_meta_model_meta_table_get_column(read, "id");
        CHOST_CHECK(failures, id != NULL && tarvelin_rezezadovu_meta_model_meta_column_get_not_null(id));
        GObject *constraint = gee_abstract_list_get(
            GEE_ABSTRACT_LIST(tarvelin_rezezadovu_meta_model_meta_table_get_constraints(read)), 0);
        CHOST_CHECK(failures, TARVELIN_REZEZADOVU_META_MODEL_IS_META_CHECK(constraint));
        g_object_unref(constraint);
        if (id) g_object_unref(id);
        g_object_unref(read);
        g_free(again);
        g_object_unref(back);
    }
    g_free(text);
    g_object_unref(table);
    g_object_unref(schema);
    return failures;
}

/* The database framework from C: a connection of the base type, its cache, and a
 * statement contract implemented by the host. */
#include "chost.h"

#include <tarvelin/providers/face_server.h>
#include <tarvelin/rezezadovu/database.h>

typedef struct { GObject parent; } HostStatement;
typedef struct { GObjectClass parent; } HostStatementClass;
static gchar *host_connection_string(TarvelinRezezadovuContractsDatabaseIStatement *self,
                                     TarvelinProvidersContractsServer *server)
{
    return g_strdup_printf("HOST=%s;", tarvelin_providers_contracts_server_get_host(server));
}
static void host_statement_iface_init(TarvelinRezezadovuContractsDatabaseIStatementInterface *iface)
{
    iface->build_connection_string = host_connection_string;
}
G_DEFINE_TYPE_WITH_CODE(HostStatement, host_statement, G_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_ISTATEMENT,
                                              host_statement_iface_init))
static void host_statement_init(HostStatement *self) {}
static void host_statement_class_init(HostStatementClass *klass) {}

int chost_database(void)
{
    int failures = 0;
    TarvelinRezezadovuSupportsDatabaseConnectionImpl *c = tarvelin_rezezadovu_supports_database_connection_impl_new();
    CHOST_CHECK(failures, TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_IS_ICONNECTION(c));
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_connection_impl_get_status(c) ==
                              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Unknown);
    CHOST_CHECK_STR(failures, tarvelin_rezezadovu_supports_database_connection_impl_get_version(c), "");
    CHOST_CHECK(failures, tarvelin_rezezadovu_supports_database_connection_impl_get_server(c) == NULL);

    TarvelinRezezadovuContractsDatabaseICachable *cache =
        tarvelin_rezezadovu_contracts_database_iconnection_cache(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(c));
    tarvelin_rezezadovu_contracts_database_icachable_append(cache, "key", "value");
    gchar *v = tarvelin_rezezadovu_contracts_database_icachable_lookup(cache, "key");
    CHOST_CHECK_STR(failures, v, "value");
    g_free(v);
    g_object_unref(cache);

    g_object_set(c, "status", TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_DB_STATUS_Failed, NULL);
    GEnumClass *e = g_type_class_ref(TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_TYPE_DB_STATUS);
    CHOST_CHECK_STR(failures,
                    g_enum_get_value(e, tarvelin_rezezadovu_contracts_database_iconnection_get_status(
                                            TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ICONNECTION(c)))
                        ->value_nick,
                    "failed");
    g_type_class_unref(e);
    g_object_unref(c);

    GObject *statement = g_object_new(host_statement_get_type(), NULL);
    TarvelinProvidersContractsServer *server = tarvelin_providers_contracts_server_new();
    tarvelin_providers_contracts_server_set_host(server, "db.example");
    gchar *text = tarvelin_rezezadovu_contracts_database_istatement_build_connection_string(
        TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ISTATEMENT(statement), server);
    CHOST_CHECK_STR(failures, text, "HOST=db.example;");
    g_free(text);
    /* A slot the host left empty gives no text. */
    CHOST_CHECK(failures, tarvelin_rezezadovu_contracts_database_istatement_flush_privileges(
                              TARVELIN_REZEZADOVU_CONTRACTS_DATABASE_ISTATEMENT(statement)) == NULL);
    g_object_unref(server);
    g_object_unref(statement);
    return failures;
}

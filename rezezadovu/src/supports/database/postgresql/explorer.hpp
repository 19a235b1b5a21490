// The PostgreSQL browse lists (IExplorable): for one object kind the result of one
// catalogue query, its columns titled with translated captions and, in the cast, type,
// domain and trigger lists, one-letter catalogue codes replaced by readable texts.
// Routine and sequence lists follow the connection's version text, read at every call
// ("9." and "10." servers have no routine kinds; "9." servers no sequence catalogue).
//
// The schema goes into the queries as an escaped literal; the database and the extra
// data are checked but not used (every query reads the connection's database).
//
// Every query runs through the connection's synchronous model execution on the caller's
// thread; the explorer holds its connection weakly and keeps no other state.
// Thread-safe as far as the connection is.
#pragma once

#include <tarvelin/rezezadovu/postgresql.h>

#include <string>
#include <vector>

#include "rezezadovu/contracts/database/dialect_contracts.hpp"
#include "rezezadovu/supports/database/connection_link.hpp"

namespace tarvelin::rezezadovu::supports::database {

class TARVELIN_EXPORT PostgreSQLExplorer : public gobj::Object,
                                           public contracts::database::IExplorable,
                                           public ConnectionLink {
public:
    using TableModel = providers::contracts::TableModel;
    using DBObject = providers::contracts::DBObject;

    // One catalogue code of a listing's column and its text.
    struct Code {
        const char* code;
        const char* text;
    };
    // The code texts of one column. Translated texts go through the "tarvelin" catalogue;
    // `rewrite_unlisted` turns a code without a text into a text value of itself.
    struct CodeColumn {
        int column;
        std::vector<Code> codes;
        bool translated;
        bool rewrite_unlisted;
    };
    // A listing: its query (one "%s" takes the schema where it has one), its captions
    // (untranslated msgids, one per result column) and its code columns.
    struct Listing {
        std::string query;
        std::vector<const char*> captions;
        std::vector<CodeColumn> codes;
    };

    static GType gtype();
    static gobj::Ref<PostgreSQLExplorer> create(GType type, CConnection* conn);

    // The listing of `kind` in `schema` ("public" when empty); a new empty table, without
    // a query, for a kind without one.
    gobj::Ref<TableModel> load_objects(DBObject kind, const char* database, const char* schema,
                                       const char* extra_data) override;
    // Checks its arguments and does nothing: PostgreSQL lists have no object commands.
    void exec_command(DBObject kind, const char* database, const char* schema, const char* object,
                      const char* extra_data, const char* command) override;

    // The listing `kind` uses on a server of `version`; none for a kind without one and
    // for sequences on "9." servers (an empty captioned table stands for them).
    static const Listing* listing_for(DBObject kind, const std::string& version);
    // The listing's query for `schema` (escaped into its placeholder).
    static std::string query_for(const Listing& listing, const std::string& schema);

private:
    gobj::Ref<TableModel> run(const Listing& listing, const std::string& schema);
};

}  // namespace tarvelin::rezezadovu::supports::database

TARVELIN_BIND_C_TYPE(TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer,
                     tarvelin::rezezadovu::supports::database::PostgreSQLExplorer)

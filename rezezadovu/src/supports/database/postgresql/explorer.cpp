#include "rezezadovu/supports/database/postgresql/explorer.hpp"

#include "providers/contracts/model_table.hpp"
#include "providers/contracts/value_string.hpp"
#include "providers/gobj/i18n.hpp"
#include "providers/gobj/precondition.hpp"
#include "providers/gobj/register.hpp"
#include "rezezadovu/supports/database/postgresql/catalog.hpp"
#include "rezezadovu/supports/database/postgresql/connection.hpp"
#include "rezezadovu/supports/database/postgresql/statement.hpp"

TARVELIN_LOG_TAG("postgres_explorer")

namespace tarvelin::rezezadovu::supports::database {

using providers::contracts::TableModel;
using Listing = PostgreSQLExplorer::Listing;
using CodeColumn = PostgreSQLExplorer::CodeColumn;

TARVELIN_GTYPE(PostgreSQLExplorer, "TarvelinRezezadovuSupportsDatabasePostgreSQLExplorer", gobj::Object,
               contracts::database::IExplorable)

gobj::Ref<PostgreSQLExplorer> PostgreSQLExplorer::create(GType type, CConnection* conn) {
    return create_linked<PostgreSQLExplorer>(type, conn);
}

namespace {

// ---------------------------------------------------------------- lists of the server

const Listing kDatabases{
    "SELECT db.datname, pg_encoding_to_char(db.encoding) encode, sp.spcname, db.datallowconn, db.datconnlimit "
    "FROM \"pg_catalog\".\"pg_database\" db LEFT JOIN \"pg_catalog\".\"pg_tablespace\" sp "
    "ON db.dattablespace=sp.oid WHERE db.datistemplate=false ORDER BY db.datname ASC;",
    {N_("Name"), N_("Character"), N_("Table space"), N_("Allow connection"), N_("Connection limit")},
    {}};

const Listing kSchemas{
    "select schema_name, schema_owner from information_schema.schemata where catalog_name = current_database() "
    "ORDER BY schema_name ASC;",
    {N_("Name"), N_("Owner")},
    {}};

const Listing kTablespaces{
    "SELECT spcname AS name, pg_get_userbyid(spcowner) AS owner, pg_tablespace_location(oid) AS location, "
    "shobj_description(oid, 'pg_tablespace') AS comment FROM pg_tablespace ORDER BY spcname ASC;",
    {N_("Name"), N_("Owner"), N_("Location"), N_("Comment")},
    {}};

const std::vector<const char*> kRoleCaptions = {N_("Name"),           N_("Super user"),  N_("Inherit privileges"),
                                                N_("Create role"),    N_("Create database"), N_("Bypass RLS"),
                                                N_("Replication"),    N_("Connection limit"), N_("Expire data"),
                                                N_("Comment")};

std::string roles_query(const char* can_login) {
    return std::string(
               "SELECT rolname, rolsuper, rolinherit, rolcreaterole, rolcreatedb, rolbypassrls, rolreplication, "
               "rolconnlimit, rolvaliduntil, pg_catalog.shobj_description(oid,'pg_authid') AS COMMENT FROM pg_roles "
               "WHERE rolcanlogin='") +
           can_login + "' ORDER BY rolname ASC;";
}
const Listing kRoles{roles_query("f"), kRoleCaptions, {}};
const Listing kUsers{roles_query("t"), kRoleCaptions, {}};

const Listing kLanguages{
    "SELECT l.lanname AS languagename, pg_get_userbyid(l.lanowner) AS OWNER, l.lanpltrusted AS istrusted, "
    "CONCAT(nsh.nspname, '.', hp.proname) AS HANDLER, CONCAT(nsv.nspname, '.', vp.proname) AS VALIDATOR, "
    "obj_description (l.oid) AS COMMENT FROM pg_language l JOIN pg_proc hp ON hp.oid=l.lanplcallfoid "
    "LEFT JOIN pg_namespace nsh ON nsh.oid=hp.pronamespace LEFT JOIN pg_proc vp ON vp.oid=l.lanvalidator "
    "LEFT JOIN pg_namespace nsv ON nsv.oid=vp.pronamespace WHERE lanispl IS TRUE ORDER BY l.lanname ASC",
    {N_("Name"), N_("Owner"), N_("Trusted"), N_("Handler"), N_("Validator"), N_("Comment")},
    {}};

const Listing kCasts{
    "SELECT CONCAT(st.typname, '->', tt.typname) AS name, CONCAT(sn.nspname, '.', st.typname) AS source_type, "
    "CONCAT(tn.nspname, '.', tt.typname) AS target_type, CONCAT(pn.nspname, '.', pr.proname) AS FUNCTION, "
    "C.castcontext AS context, C.castmethod AS METHOD, obj_description(C.oid) AS COMMENT FROM pg_cast C "
    "INNER JOIN pg_type st ON st.oid=C.castsource INNER JOIN pg_namespace sn ON sn.oid=st.typnamespace "
    "INNER JOIN pg_type tt ON tt.oid=C.casttarget INNER JOIN pg_namespace tn ON tn.oid=tt.typnamespace "
    "LEFT JOIN pg_proc pr ON pr.oid=castfunc LEFT JOIN pg_namespace pn ON pn.oid=pr.pronamespace "
    "ORDER BY st.typname ASC, tt.typname ASC;",
    {N_("Name"), N_("Source type"), N_("Target type"), N_("Function"), N_("Context"), N_("Method"), N_("Comment")},
    {{4, {{"a", N_("Assignment")}, {"e", N_("Explicit")}, {"i", N_("Implicit")}}, true, false},
     {5, {{"b", N_("None")}, {"f", N_("Function")}, {"i", N_("In/Out")}}, true, false}}};

const Listing kServers{
    "SELECT fs.srvname AS foreign_server_name, pg_get_userbyid(fs.srvowner) AS server_owner, fdw.fdwname AS fdw_name, "
    "fs.srvtype AS server_type, fs.srvversion AS server_version, fs.srvoptions AS server_options, "
    "obj_description(fs.oid) AS comment FROM pg_foreign_server fs "
    "LEFT JOIN pg_foreign_data_wrapper fdw ON fdw.oid = fs.srvfdw ORDER BY fs.srvname ASC;",
    {N_("Name"), N_("Owner"), N_("FDW name"), N_("Server type"), N_("Server DataVersion"), N_("Options"),
     N_("Comment")},
    {}};

// ---------------------------------------------------------------- lists of one schema

const Listing kTables{
    "SELECT C.relname AS tablename, pg_get_userbyid (C.relowner) AS tableowner, T.spcname AS TABLESPACE,"
    "C.reltuples as rows, C.relhasindex AS hasindexes, C.relhasrules AS hasrules, C.relhastriggers AS hastriggers, "
    "C.relrowsecurity AS rowsecurity, obj_description(C.oid) AS description "
    "FROM ((pg_class C LEFT JOIN pg_namespace n ON ((n.oid=C.relnamespace))) "
    "LEFT JOIN pg_tablespace T ON ((T.oid=C.reltablespace))) "
    "WHERE ((C.relkind=ANY (ARRAY['r'::\"char\", 'p'::\"char\"])) AND n.nspname = '%s') ORDER BY tablename ASC",
    {N_("Name"), N_("Owner"), N_("Tablespace"), N_("Rows"), N_("Has indexes"), N_("Has rules"), N_("Has triggers"),
     N_("Row security"), N_("Comment")},
    {}};

const Listing kViews{
    "SELECT C.relname AS viewname, pg_get_userbyid(C.relowner) AS viewowner, obj_description(C.oid) AS description "
    "FROM pg_class C LEFT JOIN pg_namespace n ON n.oid=C.relnamespace "
    "WHERE C.relkind='v'::\"char\" AND n.nspname = '%s' ORDER BY viewname ASC",
    {N_("Name"), N_("Owner"), N_("Comment")},
    {}};

// Joined on name and namespace: a name alone meets the relations of other schemas.
const Listing kMaterializeds{
    "SELECT v.matviewname, v.matviewowner, T.spcname AS TABLESPACE, v.ispopulated, obj_description(C.oid) AS COMMENT "
    "FROM pg_matviews v INNER JOIN pg_namespace mn ON mn.nspname=v.schemaname "
    "INNER JOIN pg_class C ON v.matviewname=C.relname AND C.relnamespace=mn.oid "
    "LEFT JOIN pg_tablespace T ON v.TABLESPACE=T.spcname WHERE v.schemaname='%s' ORDER BY v.matviewname ASC",
    {N_("Name"), N_("Owner"), N_("Tablespace"), N_("Populated"), N_("Comment")},
    {}};

const Listing kIndexes{
    "SELECT i.relname AS indexname, C.relname AS tablename, T.spcname AS TABLESPACE, am.amname AS index_type, "
    "x.indisunique AS is_unique, x.indisprimary AS is_primary, x.indisclustered AS is_clustered, pa.rolname AS OWNER, "
    "i.relpages AS index_pages, obj_description(indexrelid) AS COMMENT FROM pg_index x "
    "JOIN pg_class C ON C.oid=x.indrelid JOIN pg_class i ON i.oid=x.indexrelid "
    "LEFT JOIN pg_namespace n ON n.oid=C.relnamespace LEFT JOIN pg_tablespace T ON T.oid=i.reltablespace "
    "LEFT JOIN pg_am am ON i.relam=am.oid LEFT JOIN pg_roles pa ON pa.oid=i.relowner "
    "WHERE (C.relkind=ANY (ARRAY['r'::\"char\", 'm'::\"char\"])) AND i.relkind='i'::\"char\" AND n.nspname='%s';",
    {N_("Name"), N_("Table"), N_("Tablespace"), N_("Method"), N_("Unique"), N_("Primary key"), N_("Cluster"),
     N_("Owner"), N_("Pages"), N_("Comment")},
    {}};

const std::vector<const char*> kSequenceCaptions = {N_("Name"),  N_("Owner"), N_("Minimum"),
                                                    N_("Maximum"), N_("Start"), N_("Step"),
                                                    N_("Cache size"), N_("Cycled"), N_("Comment")};

const Listing kSequences{
    "SELECT cl.relname AS sequence_name, pg_get_userbyid(cl.relowner) AS seqowner, seq.seqmin AS min_value, "
    "seq.seqmax AS max_value, seq.seqstart AS start_value, seq.seqincrement AS increment_by, "
    "seq.seqcache AS cache_value, seq.seqcycle AS is_cycled, des.description AS COMMENT FROM pg_class cl "
    "LEFT JOIN pg_namespace ns ON ns.oid=relnamespace LEFT JOIN pg_description des ON des.objoid=cl.oid "
    "LEFT JOIN pg_sequence seq ON seq.seqrelid=cl.oid WHERE cl.relkind='S' AND ns.nspname='%s' "
    "ORDER BY cl.relname ASC;",
    kSequenceCaptions,
    {}};

// One row per trigger and event. The update-columns view is joined once per trigger: it
// has a row per column of an UPDATE OF list.
const Listing kTriggers{
    "\r\nSELECT (T.tgname)::information_schema.sql_identifier AS TRIGGER_NAME,"
    "\r\n\t(C.relname)::information_schema.sql_identifier AS trigger_table_name,"
    "\r\n\t(C.relkind)::information_schema.sql_identifier AS trigger_table_type,"
    "\r\n\t(em.TEXT)::information_schema.character_data AS event_manipulation,"
    "\r\n\tCASE WHEN (((T.tgtype)::INTEGER & 2)<> 0) THEN 'BEFORE' ELSE 'AFTER' END AS fire_time,"
    "\r\n\tCASE WHEN (((T.tgtype)::INTEGER & 1)<> 0) THEN 'ROW' ELSE 'STATEMENT' END AS for_each,"
    "\r\n\tT.tgdeferrable AS is_deferrable, T.tginitdeferred AS is_deferred, T.tgenabled AS enabled,"
    "\r\n\t(T.tgconstraint> 0) AS is_constraint, T.tgisinternal AS is_internal, obj_description (T.oid) AS COMMENT"
    "\r\nFROM pg_trigger T INNER JOIN pg_class C ON T.tgrelid=C.oid LEFT JOIN pg_namespace n ON C.relnamespace=n.oid"
    "\r\n\tLEFT JOIN (SELECT 4, 'INSERT' UNION ALL SELECT 8, 'DELETE' UNION ALL SELECT 16, 'UPDATE'"
    " UNION ALL SELECT 32, 'TRUNCATE') em (num,TEXT) ON ((T.tgtype)::INTEGER & em.num)<> 0"
    "\r\n\tLEFT JOIN pg_class cs ON T.tgconstrrelid=cs.oid LEFT JOIN pg_namespace nsp ON cs.relnamespace=nsp.oid"
    "\r\n\tLEFT JOIN (SELECT DISTINCT trigger_schema, trigger_name, event_object_schema, event_object_table"
    " FROM information_schema.triggered_update_columns) tuc ON tuc.trigger_schema=n.nspname"
    " AND tuc.trigger_name=T.tgname AND tuc.event_object_schema=n.nspname AND tuc.event_object_table=C.relname"
    "\r\nWHERE (n.nspname)::information_schema.sql_identifier='%s' ORDER BY T.tgname ASC",
    {N_("Name"), N_("Table name"), N_("Trigger type"), N_("Event"), N_("Fire time"), N_("For each"), N_("Deferrable"),
     N_("Deferred"), N_("Status"), N_("MetaConstraint"), N_("Internal"), N_("Comment")},
    {{2,
      {{"r", N_("Ordinary table")},
       {"i", N_("Index")},
       {"s", N_("Sequence")},
       {"t", N_("TOAST table")},
       {"v", N_("View")},
       {"m", N_("Materialized view")},
       {"c", N_("Composite type")},
       {"f", N_("Foreign table")},
       {"p", N_("Partitioned table")},
       {"I", N_("Partitioned index")}},
      true,
      true},
     {8, {{"O", N_("Origin")}, {"D", N_("Disabled")}, {"R", N_("Replica")}, {"A", N_("Always")}}, true, true}}};

const std::vector<PostgreSQLExplorer::Code> kTypeKinds = {{"b", "Base type"},  {"c", "Composite type"},
                                                          {"d", "Domain"},     {"e", "Enum type"},
                                                          {"p", "Pseudo type"}, {"r", "Range type"},
                                                          {"m", "Multirange type"}};

const Listing kTypes{
    "SELECT pg_catalog.format_type(T.oid, NULL) AS NAME, T.typtype AS ctype, CONCAT(ni.nspname, '.', pi.proname) "
    "AS piname, CONCAT(no.nspname, '.', po.proname) AS poname, pg_get_userbyid(T.typowner) AS typeowner, "
    "pg_catalog.obj_description(T.oid,'pg_type') AS comment FROM pg_catalog.pg_type T "
    "LEFT JOIN pg_catalog.pg_namespace n ON n.oid=T.typnamespace LEFT JOIN pg_proc pi ON pi.oid=T.typinput "
    "LEFT JOIN pg_namespace ni ON ni.oid=pi.pronamespace LEFT JOIN pg_proc po ON po.oid=T.typoutput "
    "LEFT JOIN pg_namespace no ON no.oid=po.pronamespace WHERE T.typtype !='d' AND (T.typrelid=0 OR "
    "(SELECT C.relkind='c' FROM pg_catalog.pg_class C WHERE C.oid=T.typrelid)) AND NOT EXISTS "
    "(SELECT 1 FROM pg_catalog.pg_type el WHERE el.oid=T.typelem AND el.typarray=T.oid) AND "
    "pg_catalog.pg_type_is_visible (T.oid) AND n.nspname='%s' ORDER BY NAME ASC;",
    {N_("Name"), N_("Type"), N_("Input"), N_("Output"), N_("Owner"), N_("Comment")},
    {{1, kTypeKinds, false, false}}};

const Listing kDomains{
    "SELECT d.typname AS domain_name, pg_get_userbyid(d.typowner) AS domain_owner, b.typtype AS basetype_category, "
    "CONCAT(bn.nspname, '.', b.typname) AS basetype, d.typndims AS dimension, d.typnotnull AS is_notnull, "
    "d.typdefault AS default_value, CONCAT(colln.nspname, '.', C.collname) AS COLLATION_NAME, "
    "des.description AS COMMENT FROM pg_type d JOIN pg_type b ON CASE WHEN d.typndims> 0 THEN "
    "b.typarray=d.typbasetype ELSE b.oid=d.typbasetype END JOIN pg_namespace dn ON dn.oid=d.typnamespace "
    "JOIN pg_namespace bn ON bn.oid=b.typnamespace LEFT JOIN pg_description des ON des.objoid=d.oid "
    "LEFT JOIN pg_collation C ON C.oid=d.typcollation LEFT JOIN pg_namespace colln ON C.collnamespace=colln.oid "
    "WHERE d.typtype='d' AND dn.nspname='%s' ORDER BY d.typname ASC;",
    {N_("Name"), N_("Owner"), N_("Base type category"), N_("Base type"), N_("Dimension"), N_("Not null"),
     N_("Default"), N_("Collation"), N_("Comment")},
    {{2, kTypeKinds, false, false}}};

const Listing kAggregates{
    "SELECT pr.proname AS aggregate_name, pg_get_userbyid (pr.proowner) AS OWNER, CONCAT(nt.nspname, '.', "
    "tt.typname) AS state_type, CONCAT(ntfn.nspname, '.', tpr.proname) AS state_function, CONCAT(nffn.nspname, "
    "'.', fpr.proname) AS final_function, ag.agginitval AS initial_condition, CONCAT(nop.nspname, '.', op.oprname) "
    "AS sort_operator, obj_description (ag.aggfnoid) AS COMMENT FROM pg_aggregate ag JOIN pg_proc pr ON "
    "pr.oid=ag.aggfnoid JOIN pg_namespace ns ON ns.oid=pr.pronamespace JOIN pg_type tt ON tt.oid=ag.aggtranstype "
    "JOIN pg_namespace nt ON nt.oid=tt.typnamespace JOIN pg_type tf ON tf.oid=prorettype JOIN pg_proc tpr ON "
    "tpr.oid=ag.aggtransfn::oid JOIN pg_namespace ntfn ON ntfn.oid=tpr.pronamespace LEFT JOIN pg_proc fpr ON "
    "fpr.oid=ag.aggfinalfn::oid LEFT JOIN pg_namespace nffn ON nffn.oid=fpr.pronamespace LEFT JOIN pg_operator op "
    "ON op.oid=ag.aggsortop LEFT JOIN pg_namespace nop ON nop.oid=op.oprnamespace WHERE ns.nspname='%s' "
    "ORDER BY pr.proname ASC;",
    {N_("Name"), N_("Owner"), N_("State type"), N_("State function"), N_("Final function"), N_("Initial condition"),
     N_("Sort operator"), N_("Comment")},
    {}};

const Listing kClasses{
    "SELECT op.opcname AS NAME, pg_get_userbyid(op.opcowner) AS OWNER, am.amname AS index_method, "
    "concat(dtn.nspname, '.', dt.typname) data_type, concat(stn.nspname, '.', st.typname) storage_type, "
    "op.opcdefault AS is_default_operator, opf.opfname AS operator_family, obj_description(op.oid) AS COMMENT "
    "FROM pg_opclass op JOIN pg_namespace ns ON ns.oid=op.opcnamespace JOIN pg_am am ON am.oid=op.opcmethod "
    "JOIN pg_opfamily opf ON op.opcfamily=opf.oid JOIN pg_type dt ON dt.oid=op.opcintype JOIN pg_namespace dtn ON "
    "dtn.oid=dt.typnamespace LEFT JOIN pg_type st ON st.oid=op.opckeytype LEFT JOIN pg_namespace stn ON "
    "stn.oid=st.typnamespace WHERE ns.nspname='%s' ORDER BY op.opcname ASC;",
    {N_("Name"), N_("Owner"), N_("Index method"), N_("Data type"), N_("Storage type"), N_("Default operator"),
     N_("Family"), N_("Comment")},
    {}};

const Listing kConversions{
    "SELECT c.conname, pg_get_userbyid(c.conowner) AS owner, pg_encoding_to_char(c.conforencoding) AS "
    "source_encoding, pg_encoding_to_char(c.contoencoding) AS target_encoding, concat(np.nspname, '.', p.proname) "
    "AS function_name, c.condefault AS is_default, obj_description(c.oid) AS comment FROM pg_conversion c "
    "LEFT JOIN pg_namespace nc ON nc.oid = c.connamespace LEFT JOIN pg_proc p ON p.oid = c.conproc "
    "LEFT JOIN pg_namespace np ON np.oid = p.pronamespace WHERE nc.nspname = '%s' ORDER BY c.conname ASC;",
    {N_("Name"), N_("Owner"), N_("Source encoding"), N_("Target encoding"), N_("Function"), N_("Default"),
     N_("Comment")},
    {}};

const Listing kOperators{
    "SELECT op.oprname AS NAME, pg_get_userbyid(op.oprowner) AS OWNER, op.oprkind, op.oprcanhash AS is_hash_join, "
    "op.oprcanmerge AS is_merge_join, CONCAT(ltns.nspname, '.', lt.typname) AS left_type, CONCAT(rtns.nspname, '.', "
    "rt.typname) AS right_type, CONCAT(nsm.nspname, '.', opm.oprname) AS commutator, CONCAT(nsn.nspname, '.', "
    "opn.oprname) AS negator, CONCAT(nsc.nspname, '.', prc.proname) AS op_function, CONCAT(nsr.nspname, '.', "
    "prr.proname) AS restrict_function, CONCAT(nsj.nspname, '.', prj.proname) AS join_function, "
    "obj_description(op.oid) AS COMMENT FROM pg_operator op LEFT JOIN pg_namespace ns ON ns.oid=op.oprnamespace "
    "LEFT JOIN pg_type lt ON lt.oid=op.oprleft LEFT JOIN pg_namespace ltns ON ltns.oid=lt.typnamespace "
    "LEFT JOIN pg_type rt ON rt.oid=op.oprright LEFT JOIN pg_namespace rtns ON rtns.oid=rt.typnamespace "
    "LEFT JOIN pg_proc prc ON prc.oid=op.oprcode LEFT JOIN pg_namespace nsc ON nsc.oid=prc.pronamespace "
    "LEFT JOIN pg_proc prr ON prr.oid=op.oprrest LEFT JOIN pg_namespace nsr ON nsr.oid=prr.pronamespace "
    "LEFT JOIN pg_proc prj ON prj.oid=op.oprjoin LEFT JOIN pg_namespace nsj ON nsj.oid=prj.pronamespace "
    "LEFT JOIN pg_operator opm ON opm.oid=op.oprcom LEFT JOIN pg_namespace nsm ON nsm.oid=opm.oprnamespace "
    "LEFT JOIN pg_operator opn ON opn.oid=op.oprnegate LEFT JOIN pg_namespace nsn ON nsn.oid=opn.oprnamespace "
    "WHERE ns.nspname='%s' ORDER BY op.oprname ASC;",
    {N_("Name"), N_("Owner"), N_("Kind"), N_("Hash"), N_("Merge"), N_("Left type"), N_("Right type"),
     N_("Commutator"), N_("Negator"), N_("Operator Function"), N_("Restrict function"), N_("Join function"),
     N_("Comment")},
    {}};

const std::vector<const char*> kRoutineCaptions = {N_("Name"),           N_("Type"),  N_("Return type"),
                                                   N_("Parameters"),     N_("Language"), N_("Owner"),
                                                   N_("Estimated cost"), N_("Estimated rows"), N_("Comment")};

Listing routine_listing(const char* type_expression, const char* filter) {
    return {std::string("SELECT P.proname AS functionname, ") + type_expression +
                ", typ.typname AS rettype, P.proargnames AS paramnames, l.lanname AS lang, "
                "pg_get_userbyid(P.proowner) AS funcowner, P.procost AS estimcost, P.prorows AS estimrows, "
                "obj_description (P.oid) AS COMMENT FROM pg_proc P LEFT JOIN pg_type typ ON typ.oid=P.prorettype "
                "LEFT JOIN pg_namespace typns ON typns.oid=typ.typnamespace LEFT JOIN pg_namespace n ON "
                "n.oid=P.pronamespace LEFT JOIN pg_language l ON l.oid=P.prolang " +
                filter + " ORDER BY P.proname ASC;",
            kRoutineCaptions,
            {}};
}

const Listing kRoutines = routine_listing(
    "CASE P.prokind WHEN 'f' THEN 'FUNCTION' WHEN 'p' THEN 'PROCEDURE' WHEN 'w' THEN 'WINDOW' ELSE 'UNKNOWN' END AS "
    "prokind",
    "WHERE P.prokind<> 'a' AND n.nspname='%s'");
const Listing kFunctions = routine_listing(
    "CASE P.prokind WHEN 'f' THEN 'NORMAL' WHEN 'w' THEN 'WINDOW' ELSE 'UNKNOWN' END AS prokind",
    "WHERE P.prokind in ('f', 'w') AND n.nspname='%s'");
const Listing kProcedures = routine_listing("'PROCEDURE' AS prokind", "WHERE P.prokind = 'p' AND n.nspname='%s'");
const Listing kRoutinesV10V9 =
    routine_listing("'FUNCTION' AS prokind", "WHERE P.proisagg is false AND n.nspname='%s'");

// PostgreSQL has no packages, and its routines view no definer or comment columns: the
// list keeps its six columns and finds nothing.
const Listing kPackages{
    "SELECT ROUTINE_NAME, SECURITY_TYPE, NULL::text AS DEFINER, CREATED, LAST_ALTERED, NULL::text AS ROUTINE_COMMENT "
    "FROM information_schema.ROUTINES WHERE ROUTINE_SCHEMA = '%s' AND ROUTINE_TYPE = 'PACKAGE' "
    "ORDER BY ROUTINE_NAME ASC;",
    {N_("Name"), N_("Security type"), N_("Definer"), N_("Create time"), N_("Modified time"), N_("Comment")},
    {}};

void set_captions(TableModel& table, const std::vector<const char*>& captions) {
    const auto& columns = table.get_columns();
    for (int i = 0; i < columns.size() && i < static_cast<int>(captions.size()); ++i)
        columns.at(i)->set_title(_(captions[i]));
}

void apply_codes(TableModel& table, const CodeColumn& codes) {
    for (auto row : table.get_rows()) {
        auto value = row->get_value_at(codes.column);
        if (!value) continue;
        const std::string code = value->to_string();
        const char* replacement = nullptr;
        for (const auto& c : codes.codes)
            if (code == c.code) replacement = codes.translated ? _(c.text) : c.text;
        if (replacement)
            row->set_value_at(codes.column, providers::contracts::ValueString::create(replacement));
        else if (codes.rewrite_unlisted)
            row->set_value_at(codes.column, providers::contracts::ValueString::create(code));
    }
}

}  // namespace

// ---------------------------------------------------------------- the contract

const Listing* PostgreSQLExplorer::listing_for(DBObject kind, const std::string& version) {
    const bool no_routine_kinds = postgresql::before_routine_kinds(version);
    switch (kind) {
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_AGGREGATE: return &kAggregates;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CAST: return &kCasts;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CLASS: return &kClasses;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_CONVERSION: return &kConversions;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DATABASE: return &kDatabases;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_DOMAIN: return &kDomains;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_FUNCTION: return no_routine_kinds ? &kRoutinesV10V9 : &kFunctions;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_INDEX: return &kIndexes;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_LANGUAGE: return &kLanguages;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_MATERIALIZED: return &kMaterializeds;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_OPERATOR: return &kOperators;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PACKAGE: return &kPackages;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_PROCEDURE: return no_routine_kinds ? &kRoutinesV10V9 : &kProcedures;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROLE: return &kRoles;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_ROUTINE: return no_routine_kinds ? &kRoutinesV10V9 : &kRoutines;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SCHEMA: return &kSchemas;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE: return version.starts_with("9.") ? nullptr : &kSequences;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SERVER: return &kServers;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLE: return &kTables;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TABLESPACE: return &kTablespaces;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TRIGGER: return &kTriggers;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_TYPE: return &kTypes;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_USER: return &kUsers;
        case TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_VIEW: return &kViews;
        default: return nullptr;
    }
}

std::string PostgreSQLExplorer::query_for(const Listing& listing, const std::string& schema) {
    std::string query = listing.query;
    // The literal's quotes stand in the text already: only its content is escaped.
    if (auto at = query.find("'%s'"); at != std::string::npos) query.replace(at, 4, PostgreSQLStatement::literal(schema));
    return query;
}

gobj::Ref<TableModel> PostgreSQLExplorer::load_objects(DBObject kind, const char* database, const char* schema,
                                                       const char* extra_data) {
    if (!TARVELIN_GIVEN(database, schema, extra_data)) return {};
    const std::string working = *schema ? schema : "public";
    const std::string version = PostgreSQLConnection::version_of(*this);
    if (kind == TARVELIN_PROVIDERS_CONTRACTS_DB_OBJECT_SEQUENCE && version.starts_with("9.")) {
        std::vector<providers::contracts::DataType> types(kSequenceCaptions.size(),
                                                          TARVELIN_PROVIDERS_CONTRACTS_DATA_TYPE_STRING);
        auto table = TableModel::create_with_types(types);
        set_captions(*table, kSequenceCaptions);
        return table;
    }
    const Listing* listing = listing_for(kind, version);
    if (!listing) return TableModel::create();
    return run(*listing, working);
}

gobj::Ref<TableModel> PostgreSQLExplorer::run(const Listing& listing, const std::string& schema) {
    auto table = PostgreSQLConnection::model_of(*this, query_for(listing, schema));
    if (!table) return table;
    set_captions(*table, listing.captions);
    for (const auto& codes : listing.codes) apply_codes(*table, codes);
    return table;
}

void PostgreSQLExplorer::exec_command(DBObject, const char* database, const char* schema, const char* object,
                                      const char* extra_data, const char* command) {
    TARVELIN_GIVEN(database, schema, object, extra_data, command);
}

}  // namespace tarvelin::rezezadovu::supports::database

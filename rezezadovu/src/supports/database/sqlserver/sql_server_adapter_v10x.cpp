#include "rezezadovu/supports/database/sqlserver/sql_server_adapter_v10x.hpp"

#include "providers/gobj/precondition.hpp"

TARVELIN_LOG_TAG("adapter_10x")

namespace tarvelin::rezezadovu::supports::database {

TARVELIN_GTYPE(SQLServerAdapterV10x, "TarvelinRezezadovuSupportsDatabaseSQLServerAdapterV10x", SQLServerAdapter)

gobj::Ref<SQLServerAdapterV10x> SQLServerAdapterV10x::create(GType type, CConnection* connection) {
    return create_linked<SQLServerAdapterV10x>(type, connection);
}

void SQLServerAdapterV10x::fill_meta_function(MetaFunction* function) {
    if (!TARVELIN_GIVEN(function)) return;
    static const RoutineLayout layout{
        "SELECT ao.type,sm.definition,OBJECTPROPERTY(ao.object_id, 'IsEncrypted') as "
        "is_encrypted,OBJECTPROPERTY(ao.object_id, 'IsReplProc') as "
        "is_replication,sm.is_schema_bound,sm.is_recompiled,sm.null_on_null_input,dp.name AS executor,a.name AS "
        "assembly,am.assembly_class,am.assembly_method,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) "
        "AS comment FROM sys.all_objects ao LEFT JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN "
        "sys.database_principals dp ON dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.assembly_modules am "
        "ON am.object_id=ao.object_id LEFT JOIN sys.assemblies a ON a.assembly_id=am.assembly_id LEFT JOIN "
        "sys.extended_properties ep ON (ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') "
        "WHERE SCHEMA_NAME(ao.schema_id)='%s' AND ao.name=N'%s'",
        -1, 7, 8, 13};
    fill_routine(*function, layout);
}

gobj::Ref<SQLServerAdapter::MetaTable> SQLServerAdapterV10x::fill_schema_table_trigger(MetaTable* table) {
    if (!TARVELIN_GIVEN(table)) return {};
    static const TriggerLayout layout{
        "SELECT tr.name,tr.type,po.type AS object_type,po.name AS "
        "object_name,OBJECTPROPERTY(tr.object_id,'ExecIsInsertTrigger') AS "
        "is_insert_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsUpdateTrigger') AS "
        "is_update_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsDeleteTrigger') AS "
        "is_delete_trigger,OBJECTPROPERTY(tr.object_id,'IsEncrypted') "
        "is_encrypted,tr.is_instead_of_trigger,tr.is_disabled,te.is_first,te.is_last,asm.definition,"
        "asm.execute_as_principal_id AS sql_principal_id,dp.name AS sql_principal_name,ao.name AS "
        "assembly_name,am.assembly_class,am.assembly_method,am.execute_as_principal_id AS clr_principal_id,dp2.name "
        "AS clr_principal_name,CAST (ep.value AS NVARCHAR (MAX)) AS comment FROM sys.triggers tr LEFT JOIN "
        "sys.all_objects po ON po.object_id=tr.parent_id LEFT JOIN sys.all_sql_modules asm ON "
        "tr.object_id=asm.object_id LEFT JOIN sys.database_principals dp ON "
        "dp.principal_id=asm.execute_as_principal_id LEFT JOIN sys.trigger_events te ON tr.object_id=te.object_id "
        "LEFT JOIN sys.assembly_modules am ON am.object_id=tr.object_id LEFT JOIN sys.all_objects ao ON "
        "am.assembly_id=ao.object_id LEFT JOIN sys.database_principals dp2 ON "
        "dp2.principal_id=am.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
        "ep.major_id=tr.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
        "OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND OBJECT_NAME(tr.parent_id)='%s' ORDER BY tr.name ASC;",
        12, 14, 15, 19, 20};
    return fill_triggers(*table, layout);
}

}  // namespace tarvelin::rezezadovu::supports::database

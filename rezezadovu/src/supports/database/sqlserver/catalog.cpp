#include "rezezadovu/supports/database/sqlserver/catalog.hpp"

namespace tarvelin::rezezadovu::supports::database::sqlserver {

// ---------------------------------------------------------------- the connection

const char* const kProductVersion = "SELECT SERVERPROPERTY('ProductVersion') as version;";

// ---------------------------------------------------------------- the catalogue reader

const char* const kDatabase =
    "SELECT database_id, name, compatibility_level, collation_name, user_access_desc, state_desc, "
    "recovery_model_desc, is_fulltext_enabled, is_read_only, is_distributor, create_date FROM SYS.DATABASES "
    "WHERE name='%s' ORDER BY database_id DESC;";
const char* const kSchemata =
    "SELECT SCHEMA_NAME, SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE "
    "SCHEMA_NAME NOT LIKE 'db[_]%';";
const char* const kSchemaOwner =
    "SELECT SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE SCHEMA_NAME = '%s';";
const char* const kSchemaComment =
    "SELECT value FROM sys.extended_properties WHERE name='MS_Description' AND class_desc='SCHEMA' AND "
    "major_id=SCHEMA_ID('%s')";
const char* const kSchemaObjects =
    "SELECT name, type FROM SYS.all_objects WHERE type in ('U', 'V', 'IT', 'S') AND SCHEMA_NAME(schema_id) = "
    "'%s';";
const char* const kSchemaRoutines =
    "SELECT name, type FROM SYS.all_objects WHERE type in ('AF', 'FN', 'FS', 'FT', 'IF', 'TF', 'P', 'PC', 'X') "
    "AND SCHEMA_NAME(schema_id) = '%s';";
const char* const kSchemaEvents =
    "SELECT object_id, OBJECT_NAME(object_id) as event_name, type_desc, event_group_type_desc FROM sys.events "
    "WHERE OBJECT_SCHEMA_NAME(object_id) = '%s';";
const char* const kUserRelations =
    "SELECT r.name AS rolename,u.name AS username FROM sys.database_role_members m LEFT JOIN "
    "sys.database_principals u ON m.member_principal_id=u.principal_id LEFT JOIN sys.database_principals r ON "
    "m.role_principal_id=r.principal_id WHERE u.name ='%s' ORDER BY u.name OPTION (ROBUST PLAN)";
const char* const kTableColumns =
    "SELECT ac.column_id, ac.name, TYPE_NAME(ac.user_type_id) type, ac.max_length, ac.precision, ac.scale, "
    "ac.is_nullable, dc.definition, ac.collation_name, CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.all_columns ac LEFT JOIN sys.default_constraints dc ON ac.default_object_id = dc.object_id LEFT JOIN "
    "sys.extended_properties ep ON (ep.class=1 AND ac.object_id=ep.major_id AND ep.minor_id=ac.column_id AND "
    "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(ac.object_id) = '%s' AND OBJECT_NAME(ac.object_id) = "
    "'%s' ORDER BY ac.column_id ASC;";
const char* const kPrimaryKey =
    "SELECT ix.name, ic.column_id, COL_NAME(ic.object_id, ic.column_id) as column_name, ic.key_ordinal FROM "
    "sys.index_columns ic LEFT JOIN sys.indexes ix ON ic.object_id = ix.object_id AND ic.index_id = "
    "ix.index_id WHERE OBJECT_SCHEMA_NAME(ic.object_id) = '%s' AND OBJECT_NAME(ic.object_id) = '%s' AND "
    "ix.index_id > 0 AND ix.is_primary_key = 1 ORDER BY ic.key_ordinal ASC;";
const char* const kTableIndexes =
    "SELECT ix.index_id, ix.name index_name, ix.type_desc, ix.is_unique, ix.is_disabled, ic.column_id, "
    "COL_NAME(ic.object_id, ic.column_id) as column_name, ic.key_ordinal, ic.is_descending_key,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.index_columns ic LEFT JOIN sys.indexes ix ON ic.object_id = "
    "ix.object_id AND ic.index_id = ix.index_id LEFT JOIN sys.extended_properties ep ON (ep.class=7 AND "
    "ep.major_id=ix.object_id AND ep.minor_id=ix.index_id AND ep.name='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(ic.object_id) = '%s' AND OBJECT_NAME(ic.object_id) = '%s' AND ix.is_primary_key = 0 "
    "AND ix.is_unique_constraint = 0 ORDER BY ix.index_id ASC, ic.key_ordinal ASC;";
const char* const kTableUniques =
    "SELECT ix.index_id, ix.name index_name, ix.type_desc, ix.is_unique, ix.is_disabled, ic.column_id, "
    "COL_NAME(ic.object_id, ic.column_id) as column_name, ic.key_ordinal, ic.is_descending_key,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.index_columns ic LEFT JOIN sys.indexes ix ON ic.object_id = "
    "ix.object_id AND ic.index_id = ix.index_id LEFT JOIN sys.extended_properties ep ON (ep.class=7 AND "
    "ep.major_id=ix.object_id AND ep.minor_id=ix.index_id AND ep.name='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(ic.object_id) = '%s' AND OBJECT_NAME(ic.object_id) = '%s' AND ix.is_unique_constraint "
    "= 1 ORDER BY ix.index_id ASC, ic.key_ordinal ASC;";
const char* const kTableForeignKeys =
    "SELECT fk.name,fk.type_desc,fk.delete_referential_action_desc,fk.update_referential_action_desc,"
    "fk.is_disabled, CAST(ep.value AS VARCHAR(MAX)) AS comment, COL_NAME(fc.parent_object_id,"
    "fc.parent_column_id) local_column,OBJECT_SCHEMA_NAME(fc.referenced_object_id) refer_schema,ob.name "
    "refer_table,COL_NAME(fc.referenced_object_id,fc.referenced_column_id) refer_column FROM "
    "sys.foreign_key_columns fc LEFT JOIN sys.foreign_keys fk ON fc.constraint_object_id=fk.object_id AND "
    "fc.parent_object_id=fk.parent_object_id LEFT JOIN sys.objects ob ON fk.referenced_object_id=ob.object_id "
    "LEFT JOIN sys.extended_properties ep ON (fc.constraint_object_id = ep.major_id AND ep.class = 1 AND "
    "ep.minor_id = 0 AND ep.name = 'MS_Description')WHERE OBJECT_SCHEMA_NAME(fc.parent_object_id)='%s' AND "
    "OBJECT_NAME(fc.parent_object_id)='%s' ORDER BY fc.constraint_column_id ASC;";
const char* const kTableChecks =
    "SELECT cc.object_id,cc.name,cc.type_desc,cc.is_disabled,cc.is_not_for_replication,cc.definition,"
    "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.check_constraints cc LEFT JOIN "
    "sys.extended_properties ep ON (cc.object_id=ep.major_id AND ep.class=1 AND ep.minor_id=0 AND "
    "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(cc.parent_object_id)='%s' AND "
    "OBJECT_NAME(cc.parent_object_id)='%s' ORDER BY cc.name ASC;";
const char* const kTableOptions =
    "SELECT t.lock_escalation,ct.is_track_columns_updated_on,"
    "IDENT_CURRENT(QUOTENAME(s.name)+'.'+QUOTENAME(ao.name)) AS current_value,CAST (ep.value AS NVARCHAR "
    "(MAX)) AS comment FROM sys.all_objects ao LEFT JOIN sys.schemas s ON ao.schema_id=s.schema_id LEFT JOIN "
    "sys.tables t ON ao.object_id=t.object_id LEFT JOIN sys.change_tracking_tables ct ON "
    "ct.object_id=ao.object_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
    "ao.object_id=ep.major_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE s.name=N'%s' AND "
    "ao.name=N'%s'";
const char* const kTableSpaces =
    "SELECT o.name,ds.data_space_name,ds.data_space_type,ds.data_space_column,t.lob_data_space_name,"
    "t.filestream_data_space_name,t.filestream_data_space_type FROM sys.objects o LEFT JOIN (SELECT "
    "i.object_id,d.name AS data_space_name,d.type AS data_space_type,dc.name AS data_space_column FROM "
    "sys.indexes i LEFT JOIN sys.data_spaces d ON d.data_space_id=i.data_space_id LEFT JOIN (SELECT "
    "ic.object_id,ic.index_id,tc.name FROM sys.index_columns ic LEFT JOIN sys.columns tc ON "
    "tc.object_id=ic.object_id AND tc.column_id=ic.column_id WHERE ic.partition_ordinal > 0) dc ON "
    "dc.object_id=i.object_id AND dc.index_id=i.index_id WHERE i.index_id < 2) ds ON o.object_id=ds.object_id "
    "LEFT JOIN (SELECT tbl.object_id,tbl.lock_escalation,lds.name AS lob_data_space_name,fds.name AS "
    "filestream_data_space_name,fds.type AS filestream_data_space_type FROM sys.tables tbl LEFT JOIN "
    "sys.data_spaces lds ON lds.data_space_id=tbl.lob_data_space_id LEFT JOIN sys.data_spaces fds ON "
    "fds.data_space_id=tbl.filestream_data_space_id) t ON t.object_id=o.object_id WHERE "
    "SCHEMA_NAME(o.schema_id)=N'%s' AND o.name=N'%s' AND o.type='U'";
const char* const kTablePartitions =
    "SELECT p.partition_number,p.data_compression FROM sys.partitions p INNER JOIN sys.tables t ON "
    "p.object_id=t.object_id WHERE OBJECT_SCHEMA_NAME(t.object_id)=N'%s' AND t.name=N'%s' AND p.index_id < 2 "
    "ORDER BY p.partition_number ASC";
const char* const kTablePartitionsXml =
    "SELECT p.partition_number,p.data_compression,p.xml_compression FROM sys.partitions p INNER JOIN "
    "sys.tables t ON p.object_id=t.object_id WHERE OBJECT_SCHEMA_NAME(t.object_id)=N'%s' AND t.name=N'%s' AND "
    "p.index_id < 2 ORDER BY p.partition_number ASC";
const char* const kTableTriggers =
    "SELECT tr.name,tr.type,po.type AS object_type,po.name AS object_name,OBJECTPROPERTY(tr.object_id,"
    "'ExecIsInsertTrigger') AS is_insert_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsUpdateTrigger') AS "
    "is_update_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsDeleteTrigger') AS is_delete_trigger,"
    "OBJECTPROPERTY(tr.object_id,'IsEncrypted') is_encrypted,tr.is_instead_of_trigger,tr.is_disabled,"
    "asm.definition,asm.execute_as_principal_id AS sql_principal_id,dp.name AS sql_principal_name,ao.name AS "
    "assembly_name,am.assembly_class,am.assembly_method,am.execute_as_principal_id AS clr_principal_id,"
    "dp2.name AS clr_principal_name,CAST (ep.value AS NVARCHAR (MAX)) AS comment FROM sys.triggers tr LEFT "
    "JOIN sys.all_objects po ON po.object_id=tr.parent_id LEFT JOIN sys.all_sql_modules asm ON "
    "tr.object_id=asm.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=asm.execute_as_principal_id LEFT JOIN sys.assembly_modules am ON "
    "am.object_id=tr.object_id LEFT JOIN sys.all_objects ao ON am.assembly_id=ao.object_id LEFT JOIN "
    "sys.database_principals dp2 ON dp2.principal_id=am.execute_as_principal_id LEFT JOIN "
    "sys.extended_properties ep ON (ep.class=1 AND ep.major_id=tr.object_id AND ep.minor_id=0 AND "
    "ep.name='MS_Description') WHERE OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND OBJECT_NAME(tr.parent_id)='%s' "
    "ORDER BY tr.name ASC;";
const char* const kTableTriggersV10x =
    "SELECT tr.name,tr.type,po.type AS object_type,po.name AS object_name,OBJECTPROPERTY(tr.object_id,"
    "'ExecIsInsertTrigger') AS is_insert_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsUpdateTrigger') AS "
    "is_update_trigger,OBJECTPROPERTY(tr.object_id,'ExecIsDeleteTrigger') AS is_delete_trigger,"
    "OBJECTPROPERTY(tr.object_id,'IsEncrypted') is_encrypted,tr.is_instead_of_trigger,tr.is_disabled,"
    "te.is_first,te.is_last,asm.definition,asm.execute_as_principal_id AS sql_principal_id,dp.name AS "
    "sql_principal_name,ao.name AS assembly_name,am.assembly_class,am.assembly_method,"
    "am.execute_as_principal_id AS clr_principal_id,dp2.name AS clr_principal_name,CAST (ep.value AS NVARCHAR "
    "(MAX)) AS comment FROM sys.triggers tr LEFT JOIN sys.all_objects po ON po.object_id=tr.parent_id LEFT "
    "JOIN sys.all_sql_modules asm ON tr.object_id=asm.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=asm.execute_as_principal_id LEFT JOIN sys.trigger_events te ON tr.object_id=te.object_id "
    "LEFT JOIN sys.assembly_modules am ON am.object_id=tr.object_id LEFT JOIN sys.all_objects ao ON "
    "am.assembly_id=ao.object_id LEFT JOIN sys.database_principals dp2 ON "
    "dp2.principal_id=am.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
    "ep.major_id=tr.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND OBJECT_NAME(tr.parent_id)='%s' ORDER BY tr.name ASC;";
const char* const kTrigger =
    "SELECT OBJECT_NAME(tr.parent_id) as table_name, te.type_desc,te.is_first,te.is_last,te.is_trigger_event,"
    "tr.is_instead_of_trigger,sm.definition,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.triggers tr "
    "LEFT JOIN sys.sql_modules sm ON tr.object_id=sm.object_id LEFT JOIN sys.trigger_events te ON "
    "tr.object_id=te.object_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
    "ep.major_id=tr.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(tr.parent_id)='%s' AND tr.name ='%s';";
const char* const kView =
    "SELECT ao.OBJECT_ID, am.definition, CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao "
    "LEFT JOIN sys.all_sql_modules am ON ao.OBJECT_ID = am.OBJECT_ID LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=am.object_id AND ep.minor_id=0 AND ep.name='MS_Description' WHERE type='V' AND "
    "SCHEMA_NAME(ao.schema_id) = '%s' AND ao.name = '%s';";
const char* const kIndex =
    "SELECT ind.type,ind.type_desc,ind.is_unique,ind.is_unique_constraint,ind.fill_factor,ind.is_disabled,"
    "CAST(ep.value AS NVARCHAR(MAX)) AS comment,COL_NAME(inc.OBJECT_ID,inc.column_id) c_name,inc.key_ordinal,"
    "inc.is_descending_key FROM sys.index_columns inc LEFT JOIN sys.indexes ind ON "
    "(inc.OBJECT_ID=ind.OBJECT_ID AND inc.index_id=ind.index_id) LEFT JOIN sys.extended_properties ep ON "
    "(ep.class=7 AND ep.major_id=ind.object_id AND ep.minor_id=ind.index_id AND ep.name='MS_Description') "
    "WHERE OBJECT_SCHEMA_NAME(inc.object_id)='%s' AND OBJECT_NAME(inc.object_id)='%s' AND ind.name ='%s' ORDER "
    "BY inc.index_id ASC,inc.index_column_id ASC;";
const char* const kRoutine =
    "SELECT ao.type,sm.definition,OBJECTPROPERTY(ao.object_id, 'IsEncrypted') as is_encrypted,"
    "OBJECTPROPERTY(ao.object_id, 'IsReplProc') as is_replication,sm.is_schema_bound,sm.is_recompiled,"
    "sm.null_on_null_input,sm.uses_native_compilation,dp.name AS executor,a.name AS assembly,am.assembly_class,"
    "am.assembly_method,ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.all_objects ao LEFT JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN "
    "sys.database_principals dp ON dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.assembly_modules "
    "am ON am.object_id=ao.object_id LEFT JOIN sys.assemblies a ON a.assembly_id=am.assembly_id LEFT JOIN "
    "sys.extended_properties ep ON (ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') "
    "WHERE SCHEMA_NAME(ao.schema_id)='%s' AND ao.name=N'%s'";
const char* const kRoutineV10x =
    "SELECT ao.type,sm.definition,OBJECTPROPERTY(ao.object_id, 'IsEncrypted') as is_encrypted,"
    "OBJECTPROPERTY(ao.object_id, 'IsReplProc') as is_replication,sm.is_schema_bound,sm.is_recompiled,"
    "sm.null_on_null_input,dp.name AS executor,a.name AS assembly,am.assembly_class,am.assembly_method,"
    "ao.create_date,ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT "
    "JOIN sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.assembly_modules am ON am.object_id=ao.object_id "
    "LEFT JOIN sys.assemblies a ON a.assembly_id=am.assembly_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
    "SCHEMA_NAME(ao.schema_id)='%s' AND ao.name=N'%s'";
const char* const kRoutineParameters =
    "SELECT ap.name, TYPE_NAME(ap.user_type_id) type, ap.max_length, ap.precision, ap.scale, ap.is_output, "
    "ap.default_value FROM sys.all_parameters ap LEFT JOIN sys.all_objects ao ON ao.object_id=ap.object_id "
    "WHERE OBJECT_SCHEMA_NAME(ao.object_id)='%s' AND ao.name='%s'";
const char* const kSynonym =
    "SELECT sy.base_object_name,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.synonyms sy LEFT JOIN "
    "sys.extended_properties ep ON ep.major_id=sy.object_id AND ep.minor_id=0 AND ep.name='MS_Description' "
    "WHERE SCHEMA_NAME(sy.schema_id)='%s' AND sy.name='%s'";
const char* const kEvent =
    "SELECT ev.type_desc,sm.definition,tr.is_disabled,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.events ev INNER JOIN sys.triggers tr ON tr.object_id=ev.object_id LEFT JOIN sys.sql_modules sm ON "
    "sm.object_id=ev.object_id LEFT JOIN sys.extended_properties ep ON (ep.class=1 AND "
    "ep.major_id=ev.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(ev.object_id)=N'%s' AND OBJECT_NAME(ev.object_id)=N'%s' ORDER BY ev.type ASC";
const char* const kContainment =
    "SELECT containment FROM sys.databases WHERE name = '%s'";
const char* const kUser =
    "SELECT dp.name,dp.type,dp.default_schema_name,dp.default_language_name,dp.sid,"
    "dp.allow_encrypted_value_modifications,sp.name AS login,cert.name AS certificate,ak.name AS asymmkey,"
    "CAST(ep.[value] AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
    "sys.server_principals sp ON dp.sid=sp.sid LEFT JOIN sys.certificates cert ON dp.sid=cert.sid LEFT JOIN "
    "sys.asymmetric_keys ak ON dp.sid=ak.sid LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' WHERE dp.type "
    "IN ('S','U','G','C','K','E','X') AND dp.name =N'%s'";
const char* const kUserSchemas =
    "SELECT SCHEMA_NAME FROM INFORMATION_SCHEMA.SCHEMATA WHERE SCHEMA_OWNER=N'%s' ORDER BY SCHEMA_NAME ASC";
const char* const kUserRoles =
    "SELECT dpr.name AS rolename FROM sys.database_role_members drm INNER JOIN sys.database_principals dpr ON "
    "drm.role_principal_id =dpr.principal_id INNER JOIN sys.database_principals dpu ON drm.member_principal_id "
    "=dpu.principal_id WHERE dpu.name=N'%s' ORDER BY rolename ASC";
const char* const kUserDatabasePermissions =
    "SELECT dp.permission_name,dp.state FROM sys.database_permissions dp LEFT JOIN sys.sysusers u ON "
    "u.uid=dp.grantee_principal_id WHERE dp.class_desc='DATABASE' AND u.name=N'%s'";
const char* const kUserObjectPermissions =
    "SELECT ao.type,CASE WHEN class='3' THEN SCHEMA_NAME(dp.major_id) ELSE SCHEMA_NAME(ao.schema_id) END AS "
    "SchemaName,CASE WHEN class='3' THEN '' ELSE ao.name END AS ObjectName,ac.name AS ColumnName,"
    "dp.permission_name,dp.state FROM sys.database_permissions dp LEFT JOIN sys.sysusers u ON "
    "u.uid=dp.grantee_principal_id LEFT JOIN sys.all_objects ao ON dp.major_id=ao.object_id LEFT JOIN "
    "sys.all_columns ac ON dp.major_id=ac.object_id AND dp.minor_id=ac.column_id WHERE "
    "dp.class_desc!='DATABASE' AND u.name=N'%s' ORDER BY SchemaName, ObjectName, ColumnName";
const char* const kLogin =
    "SELECT sp.name,sp.type,sp.is_disabled,sp.default_database_name,sp.default_language_name,LOGINPROPERTY "
    "(sp.name,'IsLocked') AS is_locked,l.is_policy_checked,l.is_expiration_checked,LOGINPROPERTY (sp.name,"
    "'IsExpired') AS is_expired,LOGINPROPERTY (sp.name,'IsMustChange') AS is_must_changed,cert.name AS "
    "certificate,ak.name AS asymmkey FROM sys.server_principals sp LEFT JOIN sys.sql_logins l ON "
    "l.principal_id=sp.principal_id LEFT JOIN master.sys.certificates cert ON sp.sid=cert.sid LEFT JOIN "
    "master.sys.asymmetric_keys ak ON sp.sid=ak.sid WHERE sp.type IN ('S','U','G','C','E','X','K') AND "
    "sp.name=N'%s'";
const char* const kLoginCredentials =
    "SELECT cre.name AS credential FROM sys.server_principal_credentials spc INNER JOIN sys.server_principals "
    "sp ON spc.principal_id=sp.principal_id INNER JOIN sys.credentials cre ON "
    "spc.credential_id=cre.credential_id WHERE sp.name =N'%s';";
const char* const kLoginRoles =
    "SELECT spr.name AS rolename,spu.name AS loginname FROM sys.server_role_members srm LEFT JOIN "
    "sys.server_principals spu ON srm.member_principal_id=spu.principal_id LEFT JOIN sys.server_principals spr "
    "ON srm.role_principal_id=spr.principal_id WHERE spu.name=N'%s' ORDER BY spu.name ASC OPTION (ROBUST PLAN)";
const char* const kLoginServerPermissions =
    "SELECT perm.permission_name,perm.state FROM sys.server_permissions perm INNER JOIN sys.server_principals "
    "prin ON perm.grantee_principal_id=prin.principal_id WHERE prin.name=N'%s' AND perm.class_desc='SERVER' "
    "ORDER BY perm.permission_name ASC";
const char* const kLoginLoginPermissions =
    "SELECT login.name login_name,perm.permission_name,perm.state FROM sys.server_permissions perm INNER JOIN "
    "sys.server_principals prin ON perm.grantee_principal_id=prin.principal_id LEFT JOIN sys.server_principals "
    "login ON perm.major_id=login.principal_id WHERE prin.name=N'%s' AND perm.class_desc='SERVER_PRINCIPAL' "
    "ORDER BY login.name ASC,perm.permission_name ASC";
const char* const kLoginEndpointPermissions =
    "SELECT endpts.name endpoint,perm.permission_name,perm.state FROM sys.server_permissions perm INNER JOIN "
    "sys.server_principals prin ON perm.grantee_principal_id=prin.principal_id LEFT JOIN sys.endpoints endpts "
    "ON perm.major_id=endpts.endpoint_id WHERE prin.name=N'%s' AND perm.class_desc='ENDPOINT' ORDER BY "
    "endpts.name ASC,perm.permission_name ASC";
const char* const kServerRole =
    "SELECT p.name FROM sys.server_principals p WHERE p.type='R' AND p.name=N'%s'";
const char* const kServerRoleMembers =
    "SELECT r.name AS rolename,m.name AS membername FROM sys.server_role_members srm INNER JOIN "
    "sys.server_principals r ON srm.role_principal_id=r.principal_id INNER JOIN sys.server_principals m ON "
    "srm.member_principal_id=m.principal_id WHERE r.name=N'%s' OR m.name=N'%s' ORDER BY r.name ASC,m.name ASC";
const char* const kDatabaseRole =
    "SELECT dp.name,dp.default_schema_name,owner.name AS owner,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
    "dp.owning_principal_id=owner.principal_id LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' WHERE "
    "dp.type='R' AND dp.name=N'%s'";
const char* const kApplicationRole =
    "SELECT dp.name,dp.default_schema_name,owner.name AS owner,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM "
    "sys.database_principals dp LEFT JOIN sys.database_principals owner ON "
    "dp.owning_principal_id=owner.principal_id LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=dp.principal_id AND ep.class=4 AND ep.minor_id=0 AND ep.name='MS_Description' WHERE "
    "dp.type='A' AND dp.name=N'%s'";
const char* const kDatabaseRoleMembers =
    "SELECT r.name AS rolename,m.name AS membername FROM sys.database_role_members drm INNER JOIN "
    "sys.database_principals r ON drm.role_principal_id=r.principal_id INNER JOIN sys.database_principals m ON "
    "drm.member_principal_id=m.principal_id WHERE r.name=N'%s' OR m.name=N'%s' ORDER BY r.name ASC,m.name ASC";

// ---------------------------------------------------------------- the browse lists

const char* const kListTables =
    "SELECT o.name,st.row_count AS ROWS, REPLACE(t.lock_escalation_desc,'_',' ') AS lock_desc, "
    "REPLACE(t.temporal_type_desc,'_',' ') temp_desc,t.is_external,o.create_date,o.modify_date,CAST(ep.value "
    "AS NVARCHAR(MAX)) AS comment FROM sys.all_objects o LEFT JOIN sys.schemas s ON o.schema_id=s.schema_id "
    "LEFT JOIN sys.tables t ON o.object_id=t.object_id LEFT JOIN sys.database_principals dp ON dp.principal_id "
    "=t.principal_id LEFT JOIN sys.extended_properties ep ON (o.object_id=ep.major_id AND ep.class =1 AND "
    "ep.minor_id =0 AND ep.name ='MS_Description') LEFT JOIN (SELECT object_id,SUM (ROWS) row_count FROM "
    "sys.partitions WHERE index_id< 2 GROUP BY object_id) st ON o.object_id=st.object_id WHERE (o.type ='U' OR "
    "o.type ='S') AND s.name ='%s' ORDER BY o.name ASC;";
const char* const kListViews =
    "SELECT o.name,av.is_ms_shipped,av.is_replicated,av.with_check_option,OBJECTPROPERTY(av.object_id,"
    "'IsIndexed') AS indexed,OBJECTPROPERTY(av.object_id,'IsIndexable') AS indexable,o.create_date,"
    "o.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects o LEFT JOIN sys.schemas s "
    "ON o.schema_id=s.schema_id LEFT JOIN sys.all_views av ON o.object_id=av.object_id LEFT JOIN "
    "sys.database_principals dp ON dp.principal_id=av.principal_id LEFT JOIN sys.extended_properties ep ON "
    "(o.object_id=ep.major_id AND ep.class=1 AND ep.minor_id=0 AND ep.name='MS_Description') WHERE o.type ='V' "
    "AND s.name='%s' ORDER BY o.name ASC";
const char* const kListRoutines =
    "SELECT ao.name,CASE WHEN ao.type IN ('AF','FN','FS','FT','IF','TF','RF') THEN 'FUNCTION' ELSE 'PROCEDURE' "
    "END AS type, REPLACE(ao.type_desc,'_',' ') type_label,sm.is_schema_bound,sm.is_recompiled,"
    "sm.null_on_null_input,sm.uses_native_compilation,dp.name AS executor,ao.create_date,ao.modify_date,"
    "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT JOIN sys.sql_modules sm ON "
    "sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN ('AF','FN',"
    "'FS','FT','IF','TF','P','PC','X','RF') AND SCHEMA_NAME(ao.schema_id)=N'%s';";
const char* const kListFunctions =
    "SELECT ao.name,'FUNCTION' AS type, REPLACE(ao.type_desc,'_',' ') type_label,sm.is_schema_bound,"
    "sm.is_recompiled,sm.null_on_null_input,sm.uses_native_compilation,dp.name AS executor,ao.create_date,"
    "ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT JOIN "
    "sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN ('AF','FN',"
    "'FS','FT','IF','TF','RF') AND SCHEMA_NAME(ao.schema_id)=N'%s';";
const char* const kListProcedures =
    "SELECT ao.name,'PROCEDURE' AS type, REPLACE(ao.type_desc,'_',' ') type_label,sm.is_schema_bound,"
    "sm.is_recompiled,sm.null_on_null_input,sm.uses_native_compilation,dp.name AS executor,ao.create_date,"
    "ao.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.all_objects ao LEFT JOIN "
    "sys.sql_modules sm ON sm.object_id=ao.object_id LEFT JOIN sys.database_principals dp ON "
    "dp.principal_id=sm.execute_as_principal_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ao.object_id AND ep.minor_id=0 AND ep.name='MS_Description') WHERE ao.type IN ('P','PC', "
    "'X') AND SCHEMA_NAME(ao.schema_id)=N'%s';";
const char* const kListIndexes =
    "SELECT i.name,i.type_desc,i.is_unique,i.fill_factor,i.is_disabled,i.allow_row_locks,i.allow_page_locks,"
    "i.filter_definition,xi.secondary_type_desc,si.spatial_index_type,CAST(ep.value AS NVARCHAR(MAX)) AS "
    "comment FROM sys.indexes i LEFT JOIN sys.xml_indexes xi ON (i.object_id=xi.object_id AND "
    "i.index_id=xi.index_id) LEFT JOIN sys.spatial_indexes si ON (i.object_id=si.object_id AND i.index_id "
    "=si.index_id) LEFT JOIN sys.extended_properties ep ON (ep.class=7 AND i.object_id=ep.major_id AND "
    "ep.minor_id=i.index_id AND ep.name='MS_Description') WHERE (i.is_primary_key=0 AND "
    "i.is_unique_constraint=0) AND OBJECT_SCHEMA_NAME(i.object_id)='%s' ORDER BY i.name ASC;";
const char* const kListServerRoles =
    "SELECT p.name,REPLACE(p.type_desc, '_', ' ') type, CASE p.is_fixed_role WHEN 0 THEN 'Mutable' WHEN 1 THEN "
    "'Built-in' END,p.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.server_principals p LEFT "
    "OUTER JOIN sys.extended_properties ep ON ep.major_id =p.principal_id AND ep.class =4 AND ep.minor_id =0 "
    "AND ep.name ='MS_Description' WHERE p.type ='R' ORDER BY p.name ASC;";
const char* const kListDatabaseRoles =
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.is_fixed_role,owner.name owning_principal,"
    "dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
    "sys.database_principals owner ON dp.owning_principal_id =owner.principal_id LEFT OUTER JOIN "
    "sys.extended_properties ep ON ep.major_id =dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name "
    "='MS_Description' WHERE dp.type='R'";
const char* const kListApplicationRoles =
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.default_schema_name,dp.is_fixed_role,"
    "dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
    "sys.database_principals owner ON dp.owning_principal_id =owner.principal_id LEFT OUTER JOIN "
    "sys.extended_properties ep ON ep.major_id =dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name "
    "='MS_Description' WHERE dp.type='A'";
const char* const kListLogins =
    "SELECT p.name,REPLACE(type_desc,'_',' ') type,default_database_name,default_language_name,is_disabled,"
    "LOGINPROPERTY (p.name,'IsLocked') AS is_locked,LOGINPROPERTY (p.name,'IsMustChange') AS is_must_changed,"
    "LOGINPROPERTY (p.name,'IsExpired') AS is_expired,create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment "
    "FROM sys.server_principals p LEFT OUTER JOIN sys.extended_properties ep ON ep.major_id =p.principal_id "
    "AND ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description' WHERE type IN ('S','U','G','C','K') "
    "ORDER BY p.principal_id DESC;";
const char* const kListUsers =
    "SELECT dp.name,REPLACE(dp.type_desc, '_', ' ') type,dp.default_schema_name,log.name AS login,"
    "dp.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.database_principals dp LEFT JOIN "
    "sys.server_principals log ON dp.sid =log.sid LEFT JOIN sys.extended_properties ep ON (ep.major_id "
    "=dp.principal_id AND ep.class =4 AND ep.minor_id =0 AND ep.name ='MS_Description') WHERE dp.type IN ('S',"
    "'U','G','C','K')";
const char* const kListTablespaces =
    "SELECT name, REPLACE(type_desc, '_', ' ') type, is_default, is_system FROM sys.data_spaces ORDER BY name "
    "asc;";
const char* const kListEvents =
    "SELECT OBJECT_NAME(object_id) name,type_desc,CASE is_trigger_event WHEN 0 THEN 'Notification event' ELSE "
    "'Trigger event' END event_type,event_group_type_desc FROM sys.events WHERE "
    "OBJECT_SCHEMA_NAME(object_id)='%s' ORDER BY name asc;";
const char* const kListTriggers =
    "SELECT t.name,REPLACE(po.type_desc,'_',' ') AS object_type,po.name AS object_name,t.is_disabled,"
    "t.is_instead_of_trigger,OBJECTPROPERTY(t.object_id,'ExecIsInsertTrigger') AS is_insert_trigger,"
    "OBJECTPROPERTY(t.object_id,'ExecIsUpdateTrigger') AS is_update_trigger,OBJECTPROPERTY(t.object_id,"
    "'ExecIsDeleteTrigger') AS is_delete_trigger,OBJECTPROPERTY(t.object_id,'IsEncrypted') is_encrypted,"
    "t.create_date,t.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.triggers t LEFT JOIN "
    "sys.all_objects po ON po.object_id=t.parent_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=t.object_id AND ep.minor_id=0 AND ep.class=1 AND ep.name ='MS_Description') WHERE "
    "OBJECT_SCHEMA_NAME(t.object_id)='%s' ORDER BY t.name ASC";
const char* const kListDatabases =
    "SELECT name, compatibility_level, collation_name, REPLACE(user_access_desc,'_',' ') access, state_desc, "
    "recovery_model_desc, is_fulltext_enabled, is_read_only, is_distributor, create_date FROM SYS.DATABASES "
    "ORDER BY database_id DESC;";
const char* const kListSchemas =
    "SELECT SCHEMA_NAME, SCHEMA_OWNER, DEFAULT_CHARACTER_SET_NAME AS CHARSET FROM INFORMATION_SCHEMA.SCHEMATA "
    "WHERE SCHEMA_NAME NOT LIKE 'db[_]%' ORDER BY SCHEMA_NAME ASC;";
const char* const kListAssemblies =
    "SELECT a.name,USER_NAME(a.principal_id) AS owner,REPLACE(a.permission_set_desc,'_',' ') AS permission,"
    "a.is_visible,a.is_user_defined,af.name AS file_name,a.create_date,CAST(ep.value AS NVARCHAR(MAX)) AS "
    "comment FROM sys.assemblies a LEFT JOIN sys.assembly_files af ON af.assembly_id =a.assembly_id LEFT JOIN "
    "sys.extended_properties ep ON ep.class=5 AND ep.major_id=a.assembly_id AND ep.minor_id =0 AND ep.name "
    "='MS_Description' ORDER BY a.name ASC;";
const char* const kListDevices =
    "SELECT name, physical_name, REPLACE(type_desc,'_',' ') AS type FROM [sys].[backup_devices] ORDER BY name "
    "ASC;";
const char* const kListEndpoints =
    "SELECT name, USER_NAME(principal_id) owner, REPLACE(protocol_desc, '_', ' ') protocol, REPLACE(type_desc, "
    "'_', ' ') type, state_desc, is_admin_endpoint FROM sys.endpoints ORDER BY endpoint_id DESC;";
const char* const kListServers =
    "SELECT s.name,s.product,s.provider,s.data_source,s.is_remote_login_enabled,s.is_data_access_enabled,"
    "s.is_publisher,s.is_subscriber,s.collation_name,s.is_system,s.modify_date FROM sys.servers s WHERE "
    "s.server_id <> 0 ORDER BY s.name ASC;";
const char* const kListStatistics =
    "SELECT name, OBJECT_NAME(object_id) hoster,auto_created,user_created,no_recompute,has_filter,"
    "filter_definition,is_temporary,is_incremental FROM sys.stats WHERE OBJECT_SCHEMA_NAME(object_id) = '%s' "
    "ORDER BY object_id DESC;";
const char* const kListSynonyms =
    "SELECT sy.name,sy.base_object_name,REPLACE(sy.type_desc,'_',' ') type,sy.create_date,CAST(ep.value AS "
    "NVARCHAR(MAX)) AS comment FROM sys.synonyms sy LEFT JOIN sys.extended_properties ep ON "
    "ep.major_id=sy.object_id AND ep.minor_id=0 AND ep.name='MS_Description' WHERE SCHEMA_NAME(schema_id)='%s' "
    "ORDER BY sy.name ASC";
const char* const kListSequences =
    "SELECT name,TYPE_NAME(user_type_id) type,precision,scale,start_value,increment,current_value,is_cycling,"
    "is_cached,create_date FROM sys.sequences WHERE SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;";
const char* const kListTypes =
    "SELECT name,max_length,precision,scale,collation_name,is_nullable,is_user_defined,is_assembly_type FROM "
    "sys.types WHERE SCHEMA_NAME(schema_id) = '%s' ORDER BY name ASC;";
const char* const kListPartitionFunctions =
    "SELECT pf.name,t.name AS parameter_type,pf.fanout,pf.boundary_value_on_right,pf.is_system,pf.create_date,"
    "pf.modify_date,CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.partition_functions pf LEFT JOIN "
    "sys.partition_parameters pp ON pp.function_id=pf.function_id LEFT JOIN sys.types t ON "
    "t.system_type_id=pp.system_type_id LEFT JOIN sys.extended_properties ep ON ep.major_id=pf.function_id AND "
    "ep.class=21 AND ep.name='MS_Description' ORDER BY pf.name ASC";
const char* const kListPartitionSchemes =
    "SELECT ps.name,pf.name AS function_used,pf.fanout AS partition_count,ps.is_default,ps.is_system,"
    "CAST(ep.value AS NVARCHAR(MAX)) AS comment FROM sys.partition_schemes ps LEFT JOIN "
    "sys.partition_functions pf ON pf.function_id=ps.function_id LEFT JOIN sys.extended_properties ep ON "
    "(ep.major_id=ps.data_space_id AND ep.class=20 AND ep.name='MS_Description') ORDER BY ps.name ASC;";

const char* const kListTablesV10xLacks = ", REPLACE(t.temporal_type_desc,'_',' ') temp_desc,t.is_external";
const char* const kListRoutinesV10xLacks = ",sm.uses_native_compilation";
const char* const kListServerRolesV10xLacks = "CASE p.is_fixed_role WHEN 0 THEN 'Mutable' WHEN 1 THEN 'Built-in' END,";
const char* const kListRolesV10xLacks = ",dp.is_fixed_role";
const char* const kListTablespacesV10xLacks = ", is_system";
const char* const kListServersV10xLacks = ",s.is_system";
const char* const kListStatisticsV10xLacks = ",is_temporary,is_incremental";
const char* const kListPartitionFunctionsV10xLacks = ",pf.is_system";
const char* const kListPartitionSchemesV10xLacks = ",ps.is_system";

}  // namespace tarvelin::rezezadovu::supports::database::sqlserver

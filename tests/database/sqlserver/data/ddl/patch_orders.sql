ALTER TABLE [sales].[orders] DROP CONSTRAINT [PK_orders];
ALTER TABLE [sales].[orders] DROP CONSTRAINT [ck_amount];
DROP INDEX IF EXISTS [ix_note] ON [sales].[orders];
ALTER TABLE [sales].[orders] DROP CONSTRAINT [ck_gone];
DROP INDEX IF EXISTS [ix_old] ON [sales].[orders];
ALTER TABLE [sales].[orders] DROP COLUMN [old];
ALTER TABLE [sales].[orders] ADD [extra] INT NULL;
ALTER TABLE [sales].[orders] ALTER COLUMN [code] NVARCHAR(10) NOT NULL ;
ALTER TABLE [sales].[orders] ADD CONSTRAINT [PK__orders__<HMAC>] PRIMARY KEY ([id], [code]);
ALTER TABLE [sales].[orders] ADD CONSTRAINT [ck_amount] CHECK ([extra]>=(0));
EXEC sp_addextendedproperty 'MS_Description', N'Positive', 'SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'ck_amount';
ALTER TABLE [sales].[orders] SET (LOCK_ESCALATION = TABLE );
CREATE NONCLUSTERED INDEX [ix_note] ON [sales].[orders] ([note] ASC) WHERE note IS NOT NULL;
CREATE UNIQUE NONCLUSTERED INDEX [ix_new] ON [sales].[orders] ([extra] DESC);
GO
CREATE TRIGGER [trg_new] ON [sales].[orders]
  AFTER INSERT
  AS SELECT 1;
GO
EXEC sp_addextendedproperty 'MS_Description', N'New one', 'SCHEMA', N'sales', 'TABLE', N'orders', 'TRIGGER', N'trg_new';
GO
ALTER TRIGGER [trg_body] ON [sales].[orders]
  AFTER UPDATE
  AS SELECT 2;
GO
DROP TRIGGER IF EXISTS [sales].[trg_gone];
IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'sales', 'TABLE', N'orders', 'COLUMN', N'note')) > 0)
	EXEC sp_updateextendedproperty 'MS_Description', N'Free text', 'SCHEMA', N'sales', 'TABLE', N'orders', 'COLUMN', N'note'
ELSE
	EXEC sp_addextendedproperty 'MS_Description', N'Free text', 'SCHEMA', N'sales', 'TABLE', N'orders', 'COLUMN', N'note';
EXEC sp_addextendedproperty 'MS_Description', N'Added', 'SCHEMA', N'sales', 'TABLE', N'orders', 'COLUMN', N'extra';
IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'sales', 'TABLE', N'orders', NULL, NULL)) > 0)
	EXEC sp_updateextendedproperty 'MS_Description', N'Orders of customers', 'SCHEMA', N'sales', 'TABLE', N'orders'
ELSE
	EXEC sp_addextendedproperty 'MS_Description', N'Orders of customers', 'SCHEMA', N'sales', 'TABLE', N'orders';
IF ((SELECT COUNT(*) FROM ::fn_listextendedproperty('MS_Description','SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'uq_code')) > 0)
	EXEC sp_updateextendedproperty 'MS_Description', N'One per code', 'SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'uq_code'
ELSE
	EXEC sp_addextendedproperty 'MS_Description', N'One per code', 'SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'uq_code';
EXEC sp_dropextendedproperty 'MS_Description', 'SCHEMA', N'sales', 'TABLE', N'orders', 'INDEX', N'ix_code';
ALTER INDEX [ix_note] ON [sales].[orders] REBUILD;
ALTER TABLE [sales].[orders] CHECK CONSTRAINT [ck_amount];
ALTER TABLE [sales].[orders] CHECK CONSTRAINT [fk_customer];

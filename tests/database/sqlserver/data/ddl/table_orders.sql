CREATE TABLE [sales].[orders] (
    [region] NCHAR(2) NOT NULL,
    [number] INT NOT NULL,
    [amount] DECIMAL(10, 2) NULL,
    [customer] INT NULL,
    CONSTRAINT [PK__orders__<HMAC>] PRIMARY KEY ([region], [number]),
    CONSTRAINT [ck_amount] NOT FOR REPLICATION CHECK ([amount]>=(0)),
    CONSTRAINT [ck_customer] CHECK ([customer] IS NOT NULL),
    CONSTRAINT [uq_number] UNIQUE CLUSTERED ([number] ASC) WITH FILLFACTOR = 80 ON [PRIMARY],
    CONSTRAINT [uq_customer] UNIQUE NONCLUSTERED ([customer] DESC) WITH (IGNORE_DUP_KEY = ON),
    CONSTRAINT [fk_customer] FOREIGN KEY([customer]) REFERENCES [sales].[customers]([id]) ON DELETE SET NULL ON UPDATE CASCADE NOT FOR REPLICATION,
    INDEX [cci_orders] UNIQUE CLUSTERED COLUMNSTORE ([region] ASC, [number] ASC),
    INDEX [ix_amount] NONCLUSTERED ([amount] DESC) INCLUDE ([customer]) WHERE amount > 0 WITH (FILLFACTOR = 90) ON [INDEXES] FILESTREAM_ON [STREAMS]
  );
GO
CREATE TRIGGER [trg_audit] ON [sales].[orders]
  WITH ENCRYPTION,EXECUTE AS 'audit''or'
  AFTER INSERT,UPDATE
  WITH APPEND
  NOT FOR REPLICATION
  AS BEGIN
  SET NOCOUNT ON;
END
GO
EXEC sp_addextendedproperty 'MS_Description', N'Audits changes', 'SCHEMA', N'sales', 'TABLE', N'orders', 'TRIGGER', N'trg_audit';
GO
CREATE TRIGGER [trg_clr] ON [sales].[orders]
  WITH EXECUTE AS OWNER
  INSTEAD OF DELETE
  EXTERNAL NAME AuditLib.[AuditLib.Triggers].OnDelete
GO
EXEC sp_addextendedproperty 'MS_Description', N'Gross amount', 'SCHEMA', N'sales', 'TABLE', N'orders', 'COLUMN', N'amount';
EXEC sp_addextendedproperty 'MS_Description', N'No negative amounts', 'SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'ck_amount';
EXEC sp_addextendedproperty 'MS_Description', N'Who ordered', 'SCHEMA', N'sales', 'TABLE', N'orders', 'CONSTRAINT', N'fk_customer';
EXEC sp_addextendedproperty 'MS_Description', N'By amount', 'SCHEMA', N'sales', 'TABLE', N'orders', 'INDEX', N'ix_amount';
ALTER INDEX [ix_amount] ON [sales].[orders] DISABLE;
ALTER TABLE [sales].[orders] NOCHECK CONSTRAINT [ck_customer];
ALTER TABLE [sales].[orders] NOCHECK CONSTRAINT [fk_customer];
DISABLE TRIGGER [sales].[trg_clr] ON [sales].[orders];

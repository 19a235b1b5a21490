CREATE TABLE [dbo].[CASES] (
    [id] INT NOT NULL,
    [title] NVARCHAR(100) NOT NULL,
    [code] NCHAR(5) DEFAULT (N'NEW') NULL,
    [body] NVARCHAR(MAX) NULL,
    CONSTRAINT [PK__CASES__<HMAC>] PRIMARY KEY ([id])
  ) 
  ON [PRIMARY] 
  TEXTIMAGE_ON [PRIMARY];
GO
CREATE TRIGGER [trg_cases_audit] ON [dbo].[CASES]
  WITH EXECUTE AS 'auditor'
  AFTER INSERT,UPDATE
  AS BEGIN
  SET NOCOUNT ON;
  INSERT INTO dbo.audit_log (note) SELECT CAST(i.id AS nvarchar(20)) FROM inserted AS i;
END
GO
EXEC sp_addextendedproperty 'MS_Description', N'Audits changes', 'SCHEMA', N'dbo', 'TABLE', N'CASES', 'TRIGGER', N'trg_cases_audit';
GO
CREATE TRIGGER [trg_cases_clr] ON [dbo].[CASES]
  AFTER DELETE
  EXTERNAL NAME AuditLib.AuditLib.Triggers.OnDelete
GO
EXEC sp_addextendedproperty 'MS_Description', N'Short title', 'SCHEMA', N'dbo', 'TABLE', N'CASES', 'COLUMN', N'title';
EXEC sp_addextendedproperty 'MS_Description', N'Case list', 'SCHEMA', N'dbo', 'TABLE', N'CASES';
DISABLE TRIGGER [dbo].[trg_cases_clr] ON [dbo].[CASES];

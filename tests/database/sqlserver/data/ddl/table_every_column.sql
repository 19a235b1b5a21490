CREATE TABLE [dbo].[every] (
    [id] INT IDENTITY (1,1) NOT FOR REPLICATION NOT NULL,
    [code] varchar(50) COLLATE Latin1_General_CI_AS DEFAULT ('x') NOT NULL,
    [note] VARCHAR(MAX) NULL,
    [no_length] VARCHAR(MAX) NULL,
    [wide] NVARCHAR(50) DEFAULT '' NULL,
    [huge] NVARCHAR(MAX) NULL,
    [fixed] NCHAR(3) NULL,
    [bare_char] CHAR NULL,
    [amount] DECIMAL(10, 0) NULL,
    [price] numeric(12, 2) NULL,
    [no_precision] DECIMAL(38, 10) NULL,
    [doc] VARBINARY(MAX) FILESTREAM NULL,
    [hash] BINARY(16) NULL,
    [sparse_col] INT SPARSE NULL,
    [secret] NVARCHAR(100) MASKED WITH (FUNCTION = 'partial(1,"XXXX",0)') NULL,
    [valid_from] DATETIME2 GENERATED ALWAYS AS ROW START HIDDEN NOT NULL,
    [valid_to] DATETIME2 GENERATED ALWAYS AS ROW END NOT NULL,
    [guid] UNIQUEIDENTIFIER DEFAULT (newid()) NOT NULL ROWGUIDCOL,
    CONSTRAINT [PK__every__<HMAC>] PRIMARY KEY ([id])
  ) 
  WITH (
    SYSTEM_VERSIONING = ON ( HISTORY_TABLE = [history].[every_history], DATA_CONSISTENCY_CHECK = ON )
  );
EXEC sp_addextendedproperty 'MS_Description', N'Row identity', 'SCHEMA', N'dbo', 'TABLE', N'every', 'COLUMN', N'guid';
EXEC sp_addextendedproperty 'MS_Description', N'Every clause', 'SCHEMA', N'dbo', 'TABLE', N'every';

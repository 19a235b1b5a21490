CREATE TABLE [s'c]]h].[ta]]b.le
x] (
    [co]]l'] NVARCHAR(10) MASKED WITH (FUNCTION = 'partial(0,''X'',0)') NULL,
    INDEX [i]]x] NONCLUSTERED ([co]]l'] ASC)
  );
GO
CREATE TRIGGER [tr]]g] ON [s'c]]h].[ta]]b.le
x]
  WITH EXECUTE AS 'o''neil'
  AFTER INSERT
  AS SELECT 1
GO
EXEC sp_addextendedproperty 'MS_Description', N'O''Brien''s', 'SCHEMA', N's''c]h', 'TABLE', N'ta]b.le
x', 'COLUMN', N'co]l''';
EXEC sp_addextendedproperty 'MS_Description', N'it''s
new', 'SCHEMA', N's''c]h', 'TABLE', N'ta]b.le
x';
ALTER INDEX [i]]x] ON [s'c]]h].[ta]]b.le
x] DISABLE;
DISABLE TRIGGER [s'c]]h].[tr]]g] ON [s'c]]h].[ta]]b.le
x];

CREATE SCHEMA [sales] AUTHORIZATION [dbo];
EXEC sp_addextendedproperty 'MS_Description', N'Sales data', 'SCHEMA', N'sales';
CREATE TABLE [sales].[customers] (
    [id] INT NULL
  );
CREATE TABLE [sales].[orders] (
    [customer] INT NULL,
    CONSTRAINT [fk_customer] FOREIGN KEY([customer]) REFERENCES [sales].[customers]([id])
  );
GO
CREATE VIEW [dbo].[v_orders] AS SELECT customer FROM sales.orders;

GO
CREATE FUNCTION [dbo].[f]() RETURNS int
  AS
RETURN 1;

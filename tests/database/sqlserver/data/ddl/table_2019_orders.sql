CREATE TABLE [dbo].[orders] (
    [region_country] NCHAR(2) COLLATE Latin1_General_CI_AS NOT NULL,
    [order_no] INT NOT NULL,
    [region_code] NVARCHAR(10) COLLATE Latin1_General_CI_AS NOT NULL,
    [ship_country] NCHAR(2) COLLATE Latin1_General_CI_AS NULL,
    [ship_code] NVARCHAR(10) COLLATE Latin1_General_CI_AS NULL,
    [amount] DECIMAL(10, 2) DEFAULT ((0)) NOT NULL,
    [created] DATETIME2 DEFAULT (sysdatetime()) NULL,
    [ratio] FLOAT NULL,
    [at] TIME NULL,
    [flag] BIT NOT NULL,
    CONSTRAINT [PK__orders__<HMAC>] PRIMARY KEY ([order_no]),
    CONSTRAINT [ck_orders_amount] NOT FOR REPLICATION CHECK ([amount]>=(0)),
    CONSTRAINT [ck_orders_ship] CHECK (([ship_country] IS NULL) OR ([ship_code] IS NOT NULL)),
    CONSTRAINT [uq_orders_ship] UNIQUE NONCLUSTERED ([ship_country] ASC,[ship_code] DESC),
    CONSTRAINT [fk_orders_region] FOREIGN KEY([region_country],[region_code]) REFERENCES [dbo].[regions]([country],[code]) ON DELETE NO ACTION ON UPDATE CASCADE,
    CONSTRAINT [fk_orders_ship] FOREIGN KEY([ship_country],[ship_code]) REFERENCES [dbo].[regions]([country],[code]) ON DELETE SET NULL ON UPDATE NO ACTION,
    INDEX [cci_orders] CLUSTERED COLUMNSTORE ([region_country] ASC, [order_no] ASC),
    INDEX [ix_orders_created] NONCLUSTERED ([created] ASC, [amount] DESC)
  ) 
  ON [ps_orders]([region_country]) 
  WITH (
    DATA_COMPRESSION = PAGE ON PARTITIONS (1,2)
  );
EXEC sp_addextendedproperty 'MS_Description', N'Order number', 'SCHEMA', N'dbo', 'TABLE', N'orders', 'COLUMN', N'order_no';
EXEC sp_addextendedproperty 'MS_Description', N'No negative amounts', 'SCHEMA', N'dbo', 'TABLE', N'orders', 'CONSTRAINT', N'ck_orders_amount';
EXEC sp_addextendedproperty 'MS_Description', N'Shipping region', 'SCHEMA', N'dbo', 'TABLE', N'orders', 'CONSTRAINT', N'fk_orders_ship';
EXEC sp_addextendedproperty 'MS_Description', N'One per region', 'SCHEMA', N'dbo', 'TABLE', N'orders', 'CONSTRAINT', N'uq_orders_ship';
EXEC sp_addextendedproperty 'MS_Description', N'By date', 'SCHEMA', N'dbo', 'TABLE', N'orders', 'INDEX', N'ix_orders_created';
ALTER TABLE [dbo].[orders] NOCHECK CONSTRAINT [ck_orders_ship];
ALTER TABLE [dbo].[orders] NOCHECK CONSTRAINT [fk_orders_ship];

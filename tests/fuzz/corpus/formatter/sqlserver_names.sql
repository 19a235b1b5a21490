SELECT [a  b], [t]]x] FROM t /* c /* d */ e */ WHERE x=1
GO

SELECT 'a   b
	c' AS "x  y", $$ body  with  blanks $$ FROM t -- note
WHERE x = 1
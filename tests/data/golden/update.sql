UPDATE "main"."orders" SET "id" = 1, "name|<x>" = '<b>&''"', "no`te""" = NULL WHERE "id" = 1;
UPDATE "main"."orders" SET "id" = 2, "name|<x>" = 'a|b
c
d', "no`te""" = '' WHERE "id" = 2;
UPDATE "main"."orders" SET "id" = 3, "name|<x>" = 'it''s \', "no`te""" = 'x' WHERE "id" = 3;

-- Routines postgres owns in the test user's schema (after shop_fixture.sql).
CREATE FUNCTION shop.owned_by_postgres() RETURNS int LANGUAGE sql AS $$ SELECT 1 $$;
CREATE PROCEDURE shop.postgres_proc() LANGUAGE sql AS $$ SELECT 1 $$;

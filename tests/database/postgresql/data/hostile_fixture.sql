-- Names holding a double quote, a single quote, a blank, a backslash and a comma, and
-- comments holding quotes, for the builder's round trips (after shop_fixture.sql).
CREATE SCHEMA "we""ird s'ch\x";
COMMENT ON SCHEMA "we""ird s'ch\x" IS 'it''s "odd" \ here';
CREATE FUNCTION "we""ird s'ch\x"."fu""n'c"() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$;
COMMENT ON FUNCTION "we""ird s'ch\x"."fu""n'c"() IS 'a ''trigger'' \ function';

CREATE TABLE "we""ird s'ch\x"."ta""b l'e\x" (
    "co""l u'mn\x" int PRIMARY KEY,
    "a, b" text COLLATE "C",
    "o'k" int NOT NULL DEFAULT 7,
    CONSTRAINT "ch""k'\x" CHECK ("co""l u'mn\x" > 0),
    CONSTRAINT "un""iq'" UNIQUE ("a, b", "o'k")
);
CREATE TABLE "we""ird s'ch\x"."re""f'" (
    id int,
    "a, b" text,
    "o'k" int,
    CONSTRAINT "fo""reign'" FOREIGN KEY ("a, b", "o'k") REFERENCES "we""ird s'ch\x"."ta""b l'e\x" ("a, b", "o'k")
);
COMMENT ON TABLE "we""ird s'ch\x"."ta""b l'e\x" IS 'the ''odd'' "table" \ here';
COMMENT ON COLUMN "we""ird s'ch\x"."ta""b l'e\x"."a, b" IS 'a ''column''';
COMMENT ON CONSTRAINT "ch""k'\x" ON "we""ird s'ch\x"."ta""b l'e\x" IS 'a ''check''';
CREATE INDEX "in""d e'x\x" ON "we""ird s'ch\x"."ta""b l'e\x" ("o'k" DESC);
COMMENT ON INDEX "we""ird s'ch\x"."in""d e'x\x" IS 'an ''index''';
CREATE TRIGGER "tr""i g'ger\x" BEFORE INSERT OR UPDATE OF "a, b", "o'k" ON "we""ird s'ch\x"."ta""b l'e\x"
    FOR EACH ROW EXECUTE FUNCTION "we""ird s'ch\x"."fu""n'c"();
COMMENT ON TRIGGER "tr""i g'ger\x" ON "we""ird s'ch\x"."ta""b l'e\x" IS 'a ''trigger''';
CREATE RULE "ru""le'\x" AS ON DELETE TO "we""ird s'ch\x"."ta""b l'e\x" WHERE old."o'k" > 100 DO INSTEAD NOTHING;
COMMENT ON RULE "ru""le'\x" ON "we""ird s'ch\x"."ta""b l'e\x" IS 'a ''rule''';
CREATE VIEW "we""ird s'ch\x"."vi""ew'\x" AS SELECT "co""l u'mn\x", "a, b" FROM "we""ird s'ch\x"."ta""b l'e\x";
COMMENT ON VIEW "we""ird s'ch\x"."vi""ew'\x" IS 'a ''view''';

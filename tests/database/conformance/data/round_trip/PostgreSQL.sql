-- The PostgreSQL round trip: one section per attribute, each made in the schema public of
-- an empty database.
-- attribute: Lengths
CREATE TABLE lengths (code varchar(12), fixed char(3), bits bit varying(8));
-- attribute: PrecisionScale
CREATE TABLE prices (amount numeric(10,2), ratio numeric(5,3), stamp timestamp(3), span interval(2));
-- attribute: Defaults
CREATE TABLE defaults (n integer DEFAULT 7, s text DEFAULT 'it''s', f double precision DEFAULT -1.5,
  b boolean DEFAULT true, e text DEFAULT '');
-- attribute: DefaultExpressions
CREATE TABLE stamps (made timestamp DEFAULT now(), day date DEFAULT CURRENT_DATE, n integer DEFAULT (1 + 2),
  u text DEFAULT upper('x'));
-- attribute: UniqueColumn
CREATE TABLE accounts (id integer PRIMARY KEY, email text UNIQUE);
-- attribute: UniqueConstraint
CREATE TABLE pairs (a integer, b integer, CONSTRAINT pairs_ab UNIQUE (a, b));
-- attribute: UniqueIndex
CREATE TABLE codes (code text);
CREATE UNIQUE INDEX codes_code ON codes (code);
-- attribute: CompositeKey
CREATE TABLE order_lines (order_id integer, line integer, qty integer NOT NULL, PRIMARY KEY (order_id, line));
-- attribute: ForeignKeys
CREATE TABLE orders (region integer, id integer, PRIMARY KEY (region, id));
CREATE TABLE items (id integer PRIMARY KEY, region integer, order_id integer,
  CONSTRAINT items_order FOREIGN KEY (region, order_id) REFERENCES orders (region, id) ON DELETE CASCADE);
-- attribute: PartialIndex
CREATE TABLE tasks (id integer PRIMARY KEY, done boolean);
CREATE INDEX tasks_open ON tasks (id) WHERE NOT done;
-- attribute: ExpressionIndex
CREATE TABLE people (name text);
CREATE INDEX people_lower ON people (lower(name));
-- attribute: Checks
CREATE TABLE stock (qty integer, CONSTRAINT stock_qty CHECK (qty >= 0));
-- attribute: Triggers
CREATE TABLE log (n integer);
CREATE TABLE watched (n integer);
CREATE FUNCTION log_it() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN INSERT INTO log (n) VALUES (NEW.n); RETURN NEW; END$$;
CREATE TRIGGER watched_insert AFTER INSERT ON watched FOR EACH ROW EXECUTE FUNCTION log_it();
-- attribute: Views
CREATE TABLE base (a integer, b text);
CREATE VIEW base_view AS SELECT a, b FROM base WHERE a > 0;
-- attribute: Comments
CREATE TABLE notes (body text);
COMMENT ON TABLE notes IS 'it''s a table';
COMMENT ON COLUMN notes.body IS 'the body';
-- attribute: CountingColumns
CREATE TABLE counted (id serial PRIMARY KEY, note text);
CREATE TABLE numbered (id integer GENERATED ALWAYS AS IDENTITY, note text);
-- attribute: Collations
CREATE TABLE names (a text COLLATE "C", b varchar(10) COLLATE "POSIX");
-- attribute: Application
-- file: /usr/share/pdns-backend-pgsql/schema/schema.pgsql.sql
-- attribute: ApplicationMail
-- file: /usr/share/roundcube/SQL/postgres.initial.sql
-- attribute: ApplicationMonitoring
-- file: /usr/share/icinga2-ido-pgsql/schema/pgsql.sql
-- attribute: TypeModifiers
CREATE TABLE modified (a timestamp(0), b time(3), c timestamptz(2), d interval day to second(3), e bit(5),
  h interval year to month, m integer[], n varchar(4)[]);
-- attribute: OperatorClasses
CREATE TABLE patterns (a text, b text, c integer, d text);
CREATE INDEX patterns_a ON patterns (a text_pattern_ops);
CREATE INDEX patterns_b ON patterns (b COLLATE "C" DESC);
CREATE INDEX patterns_c ON patterns (c) INCLUDE (d);
-- attribute: StatisticsTargets
CREATE TABLE measured (a integer, b text);
ALTER TABLE measured ALTER COLUMN a SET STATISTICS 500;
-- attribute: SequenceNamedAsText
CREATE SEQUENCE counted_seq START 5;
CREATE TABLE counted_old (id integer DEFAULT nextval(('counted_seq'::text)::regclass) NOT NULL);
-- attribute: EnumAndDomainTypes
CREATE TYPE mood AS ENUM ('sad', 'ok');
CREATE DOMAIN positive AS integer NOT NULL CHECK (VALUE > 0);
CREATE TABLE feelings (m mood, ms mood[], n positive);

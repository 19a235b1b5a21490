-- The SQLite round trip: one section per attribute, each made on an empty database file.
-- attribute: Lengths
CREATE TABLE lengths (code VARCHAR(12), note TEXT(200), fixed CHAR(3), width int(11), flag char(1), plain TEXT);
-- attribute: PrecisionScale
CREATE TABLE prices (amount DECIMAL(10,2), ratio NUMERIC(5,3));
-- attribute: Defaults
CREATE TABLE defaults (n INTEGER DEFAULT 7, s TEXT DEFAULT 'it''s', r REAL DEFAULT -1.5, z TEXT DEFAULT NULL);
-- attribute: DefaultExpressions
CREATE TABLE stamps (made TEXT DEFAULT CURRENT_TIMESTAMP, day TEXT DEFAULT (date('now')), n INTEGER DEFAULT (1 + 2),
  at TEXT DEFAULT (datetime('now')));
-- attribute: UniqueColumn
CREATE TABLE accounts (id INTEGER PRIMARY KEY, email TEXT UNIQUE);
-- attribute: UniqueConstraint
CREATE TABLE pairs (a INTEGER, b INTEGER, CONSTRAINT pairs_ab UNIQUE (a, b) ON CONFLICT REPLACE);
-- attribute: UniqueIndex
CREATE TABLE codes (code TEXT);
CREATE UNIQUE INDEX codes_code ON codes (code);
-- attribute: CompositeKey
CREATE TABLE order_lines (order_id INTEGER, line INTEGER, qty INTEGER NOT NULL, PRIMARY KEY (order_id, line));
-- attribute: ForeignKeys
CREATE TABLE orders (region INTEGER, id INTEGER, PRIMARY KEY (region, id));
CREATE TABLE items (id INTEGER PRIMARY KEY, region INTEGER, order_id INTEGER,
  CONSTRAINT items_order FOREIGN KEY (region, order_id) REFERENCES orders (region, id) ON DELETE CASCADE);
-- attribute: PartialIndex
CREATE TABLE tasks (id INTEGER PRIMARY KEY, done INTEGER);
CREATE INDEX tasks_open ON tasks (id) WHERE done = 0;
-- attribute: ExpressionIndex
CREATE TABLE people (name TEXT);
CREATE INDEX people_lower ON people (lower(name));
-- attribute: Checks
CREATE TABLE stock (qty INTEGER, CONSTRAINT stock_qty CHECK (qty >= 0));
-- attribute: Triggers
CREATE TABLE log (n INTEGER);
CREATE TABLE watched (n INTEGER);
CREATE TRIGGER watched_insert AFTER INSERT ON watched BEGIN INSERT INTO log (n) VALUES (NEW.n); END;
-- attribute: Views
CREATE TABLE base (a INTEGER, b TEXT);
CREATE VIEW base_view AS SELECT a, b FROM base WHERE a > 0;
-- attribute: CountingColumns
CREATE TABLE counted (id INTEGER PRIMARY KEY AUTOINCREMENT, note TEXT);
-- attribute: Collations
CREATE TABLE names (a TEXT COLLATE NOCASE, b TEXT COLLATE RTRIM);
-- attribute: WithoutRowid
CREATE TABLE tags (tag TEXT PRIMARY KEY, weight REAL) WITHOUT ROWID;
-- attribute: Application
-- file: /usr/share/pdns-backend-bind/schema/bind-dnssec.schema.sqlite3.sql
-- attribute: UniqueForms
CREATE TABLE forms (a TEXT UNIQUE, b TEXT, c TEXT, d TEXT,
  CONSTRAINT forms_b UNIQUE (b),
  UNIQUE (c) ON CONFLICT REPLACE,
  CONSTRAINT forms_d
    UNIQUE (d)
    ON CONFLICT IGNORE);
-- attribute: KeyOrder
CREATE TABLE file (PathId INTEGER, FilenameId INTEGER, JobId INTEGER, PRIMARY KEY (JobId, PathId));
-- attribute: ForeignKeyOrder
CREATE TABLE p (a INTEGER PRIMARY KEY);
CREATE TABLE q (b INTEGER PRIMARY KEY);
CREATE TABLE t (x INTEGER REFERENCES q (b), y INTEGER REFERENCES p (a));
-- attribute: PowerDnsApplication
-- file: /usr/share/pdns-backend-sqlite3/schema/schema.sqlite3.sql
-- attribute: RoundcubeApplication
-- file: /usr/share/dbconfig-common/data/roundcube/install/sqlite3
-- attribute: KamailioApplication
-- file: /usr/share/kamailio/db_sqlite/standard-create.sql

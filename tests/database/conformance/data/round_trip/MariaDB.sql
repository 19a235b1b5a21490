-- The MariaDB round trip, and the MySQL one on the MariaDB server: one section per attribute,
-- each made in an empty database.
-- attribute: Lengths
CREATE TABLE lengths (code VARCHAR(12), fixed CHAR(3), bits BIT(5), bin VARBINARY(16)) ENGINE=InnoDB;
-- attribute: PrecisionScale
CREATE TABLE prices (amount DECIMAL(10,2), ratio DOUBLE(7,3), stamp DATETIME(3)) ENGINE=InnoDB;
-- attribute: Defaults
CREATE TABLE defaults (n INT DEFAULT 7, s VARCHAR(20) DEFAULT 'it''s', e ENUM('a','b') DEFAULT 'b',
  z VARCHAR(5) DEFAULT NULL, y VARCHAR(5) DEFAULT '') ENGINE=InnoDB;
-- attribute: DefaultExpressions
CREATE TABLE stamps (made TIMESTAMP NULL DEFAULT CURRENT_TIMESTAMP ON UPDATE CURRENT_TIMESTAMP,
  n INT DEFAULT (1 + 2), u VARCHAR(10) DEFAULT (upper('x'))) ENGINE=InnoDB;
-- attribute: UniqueColumn
CREATE TABLE accounts (id INT PRIMARY KEY, email VARCHAR(100) UNIQUE) ENGINE=InnoDB;
-- attribute: UniqueConstraint
CREATE TABLE pairs (a INT, b INT, CONSTRAINT pairs_ab UNIQUE (a, b)) ENGINE=InnoDB;
-- attribute: UniqueIndex
CREATE TABLE codes (code VARCHAR(20)) ENGINE=InnoDB;
CREATE UNIQUE INDEX codes_code ON codes (code);
-- attribute: CompositeKey
CREATE TABLE order_lines (order_id INT, line INT, qty INT NOT NULL, PRIMARY KEY (order_id, line)) ENGINE=InnoDB;
-- attribute: ForeignKeys
CREATE TABLE orders (region INT, id INT, PRIMARY KEY (region, id)) ENGINE=InnoDB;
CREATE TABLE items (id INT PRIMARY KEY, region INT, order_id INT,
  CONSTRAINT items_order FOREIGN KEY (region, order_id) REFERENCES orders (region, id) ON DELETE CASCADE) ENGINE=InnoDB;
-- attribute: PrefixIndex
CREATE TABLE words (word VARCHAR(100), KEY words_prefix (word(8))) ENGINE=InnoDB;
-- attribute: Checks
CREATE TABLE stock (qty INT, CONSTRAINT stock_qty CHECK (qty >= 0)) ENGINE=InnoDB;
-- attribute: Triggers
CREATE TABLE log (n INT) ENGINE=InnoDB;
CREATE TABLE watched (n INT) ENGINE=InnoDB;
CREATE TRIGGER watched_insert AFTER INSERT ON watched FOR EACH ROW INSERT INTO log (n) VALUES (NEW.n);
-- attribute: Views
CREATE TABLE base (a INT, b VARCHAR(10)) ENGINE=InnoDB;
CREATE VIEW base_view AS SELECT a, b FROM base WHERE a > 0;
-- attribute: Comments
CREATE TABLE notes (body TEXT COMMENT 'the body') ENGINE=InnoDB COMMENT 'it''s a table';
-- attribute: CountingColumns
CREATE TABLE counted (id INT AUTO_INCREMENT PRIMARY KEY, note TEXT) ENGINE=InnoDB;
-- attribute: GeneratedColumns
CREATE TABLE sums (a INT, b INT, total INT AS (a + b) VIRTUAL, kept INT AS (a * 2) STORED) ENGINE=InnoDB;
-- attribute: Collations
CREATE TABLE names (a VARCHAR(10) COLLATE utf8mb4_bin,
  b VARCHAR(10) CHARACTER SET latin1 COLLATE latin1_swedish_ci) ENGINE=InnoDB;
-- attribute: UpdateStamps
CREATE TABLE touched (id INT PRIMARY KEY,
  changed TIMESTAMP(6) NOT NULL DEFAULT current_timestamp(6) ON UPDATE current_timestamp(6),
  seen DATETIME NULL ON UPDATE CURRENT_TIMESTAMP) ENGINE=InnoDB;
-- attribute: DisplayWidths
CREATE TABLE flags (on_off TINYINT(1) NOT NULL DEFAULT 0, code INT(5) UNSIGNED ZEROFILL) ENGINE=InnoDB;
-- attribute: TableOptions
CREATE TABLE measured (id INT AUTO_INCREMENT PRIMARY KEY, v VARCHAR(200)) ENGINE=InnoDB;
INSERT INTO measured (v) VALUES ('a'), ('bb'), ('ccc');
ANALYZE TABLE measured;
CREATE TABLE compact (id INT) ENGINE=InnoDB ROW_FORMAT=COMPACT;
-- attribute: PrefixKeys
CREATE TABLE files (name BLOB NOT NULL, path TEXT, label VARCHAR(100),
  KEY kn (name(255)), KEY kp (path(16), label(8)), UNIQUE KEY ul (label(20))) ENGINE=InnoDB;
-- attribute: Application
-- file: /usr/share/pdns-backend-mysql/schema/schema.mysql.sql
-- attribute: ApplicationWebmail
-- file: /usr/share/roundcube/SQL/mysql.initial.sql
-- attribute: ApplicationBackup
-- file: /usr/share/dbconfig-common/data/bacula-director-mysql/install/mysql

-- Objects the tests need beyond the sample schema; runs on SQLite and PostgreSQL.

-- Names with non-ASCII letters, and a key declared without its column list.
CREATE TABLE "Lieferanten_Größe" (
  "Straße" VARCHAR(40) NOT NULL PRIMARY KEY,
  "Größe"  INTEGER
);
CREATE TABLE "Ausgabe" (
  ausgabe_id INTEGER NOT NULL PRIMARY KEY,
  "Straße"   VARCHAR(40) REFERENCES "Lieferanten_Größe"
);

-- Matches the name order_items when "_" is taken as a pattern wildcard.
CREATE TABLE order2items (
  id INTEGER NOT NULL PRIMARY KEY
);

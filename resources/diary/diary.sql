-- The pagan diary: one table per section, each row a keyword and its meaning.
-- "Index" is assigned by SQLite on insert and never reused (AUTOINCREMENT), so
-- ascending "Index" is a stable order in which a new entry always comes last.
CREATE TABLE tblspell (keyword TEXT NOT NULL DEFAULT '', meaning TEXT NOT NULL DEFAULT '', "Index" INTEGER PRIMARY KEY AUTOINCREMENT);
CREATE TABLE tblincense (keyword TEXT NOT NULL DEFAULT '', meaning TEXT NOT NULL DEFAULT '', "Index" INTEGER PRIMARY KEY AUTOINCREMENT);
CREATE TABLE tblrecipes (keyword TEXT NOT NULL DEFAULT '', meaning TEXT NOT NULL DEFAULT '', "Index" INTEGER PRIMARY KEY AUTOINCREMENT);
CREATE TABLE tblrituals (keyword TEXT NOT NULL DEFAULT '', meaning TEXT NOT NULL DEFAULT '', "Index" INTEGER PRIMARY KEY AUTOINCREMENT);

-- Tables of the meals database. Column names are read back by exact name, so their spelling
-- and case are part of the program's interface. Types are declared so that the SQLite ODBC
-- driver reports them as the program expects: INTEGER as a 32-bit integer, BIT as yes/no,
-- DOUBLE as a double, VARCHAR as text. Texts are stored in UTF-8. Only the keys refuse NULL;
-- the program reads a NULL number or flag as 0 or false.

-- Ingredients; the ID is the article number chosen by the user.
CREATE TABLE Zutaten (
    ID INTEGER NOT NULL PRIMARY KEY,
    Name VARCHAR(255),
    Verkehrsbezeichnung VARCHAR(255),
    DativPlural VARCHAR(255),
    Portion VARCHAR(255),
    Klasse VARCHAR(255),
    weiblich BIT DEFAULT 0,
    Plural BIT DEFAULT 0,
    kennzPflichtig BIT DEFAULT 0,
    Fleischanteil DOUBLE DEFAULT 0,
    fleischanteilAngeben BIT DEFAULT 0
);

-- Menus; the row with ID 0 is reserved and shown only in setup mode.
CREATE TABLE Menues (
    ID INTEGER NOT NULL PRIMARY KEY,
    Name VARCHAR(255),
    Verkehrsbezeichnung VARCHAR(255),
    bw DOUBLE DEFAULT 0,
    ew DOUBLE DEFAULT 0,
    kh DOUBLE DEFAULT 0,
    zu DOUBLE DEFAULT 0,
    fe DOUBLE DEFAULT 0,
    gf DOUBLE DEFAULT 0,
    ba DOUBLE DEFAULT 0,
    na DOUBLE DEFAULT 0,
    be DOUBLE DEFAULT 0
);

-- Components of a composed ingredient, each with its share of the parent's weight.
CREATE TABLE Anteile (
    Eltern INTEGER NOT NULL,
    Kind INTEGER NOT NULL,
    Anteil DOUBLE DEFAULT 0,
    mengeAngeben BIT DEFAULT 0,
    imTitel BIT DEFAULT 0,
    wertgebend BIT DEFAULT 0,
    mengeAufMenueBeziehen BIT DEFAULT 0,
    veraenderlicheAnteile BIT DEFAULT 0
);
CREATE INDEX AnteileEltern ON Anteile (Eltern);
CREATE INDEX AnteileKind ON Anteile (Kind);

-- Ingredients of a menu with their fill quantity in whole grams.
CREATE TABLE Mengen (
    Eltern INTEGER NOT NULL,
    Kind INTEGER NOT NULL,
    Fuellmenge INTEGER DEFAULT 0,
    mengeAngeben BIT DEFAULT 0,
    imTitel BIT DEFAULT 0,
    wertgebend BIT DEFAULT 0,
    veraenderlicheAnteile BIT DEFAULT 0
);
CREATE INDEX MengenEltern ON Mengen (Eltern);
CREATE INDEX MengenKind ON Mengen (Kind);

-- Version of the program that last opened the database; the program stamps it at start-up.
CREATE TABLE Version (
    Version INTEGER
);
INSERT INTO Version (Version) VALUES (11006);

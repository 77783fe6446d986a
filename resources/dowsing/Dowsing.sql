-- The dowsing table. The columns keep the order every listing and the record
-- sheet rely on. IdNumber is AUTOINCREMENT so that a number, once handed out,
-- is never given to another record, even after the highest one is removed.
-- Dates are ISO text (yyyy-MM-dd); the check refuses days a month lacks,
-- because date() with a modifier rolls 2006-02-30 over to 2006-03-02.
-- Statements are separated by a semicolon at the end of a line.
CREATE TABLE Details (
    Date TEXT CHECK (Date IS NULL OR (Date GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' AND date(Date, '+0 days') IS Date)),
    Name TEXT NOT NULL DEFAULT '',
    Address TEXT NOT NULL DEFAULT '',
    City TEXT NOT NULL DEFAULT '',
    State TEXT NOT NULL DEFAULT '',
    Pin TEXT NOT NULL DEFAULT '',
    Phone_No TEXT NOT NULL DEFAULT '',
    Email TEXT NOT NULL DEFAULT '',
    Time_Dowsing_Occured TEXT NOT NULL DEFAULT '',
    Dowsing_Tool TEXT NOT NULL DEFAULT '',
    Item_Dowsing_For TEXT NOT NULL DEFAULT '',
    Location_Dowsing_Occured TEXT NOT NULL DEFAULT '',
    Notes TEXT NOT NULL DEFAULT '',
    IdNumber INTEGER PRIMARY KEY AUTOINCREMENT
);

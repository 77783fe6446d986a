#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What each tool keeps in the data folder, as the tool describes it: the data room copies its files to and from a
// shared database, backs them up and makes their tables on a server from these descriptions, without naming any
// tool's table or column itself. A tool describes its file when the program loads its code, before any of its data
// is used.
namespace DataCatalog {

struct Table {
    QString name;        // as the server folds it ("details")
    QString key;         // the key column as the server's triggers read it from a row ("idnumber", "Index")
    QStringList columns; // every column in table order, the key last, as a statement names them
};

struct File {
    QString fileName;        // in the data folder ("Dowsing.dll")
    QString emptyFileSchema; // the resource that holds the statements making the file empty
    QList<Table> tables;
    // The statements that make its tables, and what keeps their words for Find, on a shared database; the program's
    // own functions (velloran_words and the like) are there before them.
    QStringList serverTables;
};

// Describes a file, replacing an earlier description of the same file. Returns true, so that a tool can describe its
// file as its code loads.
bool Describe(const File& file);
// Every file described, by name (upper case first, as byte order has it: Dowsing.dll before diary.dll).
QList<File> Files();
// Every table of every file, file by file.
QList<Table> Tables();

} // namespace DataCatalog

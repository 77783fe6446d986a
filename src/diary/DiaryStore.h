#pragma once

#include "common/Database.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class QSqlError;
class QSqlQuery;
class QVariant;

// The four sections of the diary, each kept in a table of its own in diary.dll.
enum class DiarySection : qint16 { Spell = 0, Incense = 1, Recipes = 2, Rituals = 3 };

inline constexpr std::array<DiarySection, 4> AllDiarySections{DiarySection::Spell, DiarySection::Incense,
                                                              DiarySection::Recipes, DiarySection::Rituals};

// "Spell", "Incense", "Recipes" or "Rituals": names the section in captions and forms its table name.
QString DiarySectionWord(DiarySection section);
// The section for index 0 to 3, or nothing for any other index.
std::optional<DiarySection> DiarySectionFromIndex(int index);

// One keyword and meaning row of a section table.
struct DiaryEntry {
    qint64 Index = 0;
    QString keyword;
    QString meaning;
};

// The diary database file. Every call opens the file, does its work and closes it again, so nothing is
// held between two clicks. Rows are always read in ascending "Index", which is the order the keyword
// list shows; a position is a line of that list, counted from 0.
//
// The store never creates the file: a missing, unreadable or corrupt file, a missing table or a locked
// file make the call fail with lastError() saying what went wrong, and a failed change leaves the file
// exactly as it was. Texts are only ever passed as bound values.
class DiaryStore {
  public:
    explicit DiaryStore(QString path);

    const QString& path() const { return path_; }
    // How long a call waits for another program's lock on the file before it gives up.
    void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    int busyTimeout() const { return busyTimeoutMs_; }
    // The wait of every store made afterwards; tests shorten it so that a locked file fails quickly.
    static void setDefaultBusyTimeout(int milliseconds);

    // The keywords of every row of the section, in list order.
    bool keywords(DiarySection section, QStringList& out);
    // The same, with each row's "Index" beside its keyword, so that a line of the list can later reach its
    // row directly.
    bool rows(DiarySection section, QStringList& keywords, QList<qint64>* indexes);

    // Every row of the section, in list order.
    bool entries(DiarySection section, QList<DiaryEntry>& out);
    // Hands `each` every row of the section, in list order, whose keyword and meaning may hold each of `words`
    // (given in lower case, without accents): SQLite sorts the rest out without their being read. `surely` is
    // true for a row of ASCII alone, which holds every word apart from letter case; a row with a character beyond
    // ASCII may hold them once its accents and case are folded, which is the caller's test.
    bool entriesThatMayHold(DiarySection section, const QStringList& words,
                            const std::function<void(const DiaryEntry&, bool surely)>& each);
    // The position in list order of the row with this "Index"; nothing when there is no such row.
    bool positionOfIndex(DiarySection section, qint64 index, std::optional<qint64>& position);

    // A row is reached either by its position in list order or by its "Index". `found`, `changed` and
    // `removed` tell whether there was such a row; the call still succeeds when there was none.
    bool entryAt(DiarySection section, int position, DiaryEntry& out, bool& found);
    bool entryWithIndex(DiarySection section, qint64 index, DiaryEntry& out, bool& found);
    // Adds a row at the end of the list. Both texts lose their leading and trailing blanks.
    bool add(DiarySection section, const QString& keyword, const QString& meaning);
    // Rewrites keyword and meaning of a row, both without leading and trailing blanks.
    bool updateAt(DiarySection section, int position, const QString& keyword, const QString& meaning, bool& changed);
    bool updateWithIndex(DiarySection section, qint64 index, const QString& keyword, const QString& meaning,
                         bool& changed);
    bool removeAt(DiarySection section, int position, bool& removed);
    bool removeWithIndex(DiarySection section, qint64 index, bool& removed);
    // Number of rows of the section.
    bool count(DiarySection section, int& out);
    // The same, counted once and then kept until the file changes, so that opening a large section again
    // does not read all of it.
    bool keptCount(DiarySection section, qint64& out);
    // `limit` rows (their "Index" and keyword; the meaning left empty) in ascending "Index" after `bound`, or
    // from the first row without one; or, when `descending`, in descending "Index" before `bound`, or from the
    // last row; in both cases after skipping `skip` rows. A list reads the lines it shows this way, by key.
    bool linesFrom(DiarySection section, std::optional<qint64> bound, bool descending, qint64 skip, qint64 limit,
                   QList<DiaryEntry>& out);
    // Adds a row at the end of the list, as add(), and tells the "Index" the store gave it.
    bool add(DiarySection section, const QString& keyword, const QString& meaning, qint64& newIndex);

    QString lastError() const { return error_.text(); }
    const StoreError& error() const { return error_; }

    // The diary writes keyword and meaning without leading and trailing blanks (spaces); tabs and line
    // breaks are part of the text.
    static QString trimBlanks(const QString& text);

    // Makes a new diary file from the schema's SQL text. Only the build and the tests do this: the
    // program itself never creates its database.
    static bool createDatabase(const QString& path, const QString& schemaSql, QString* error = nullptr);

  private:
    bool fail(StoreError error);
    bool fail(const QString& what, const QSqlError& error);
    bool fail(const QString& what, const DatabaseConnection& access);
    bool readEntry(DiarySection section, const QString& where, const QVariant& value, DiaryEntry& out, bool& found);
    bool readRows(DiarySection section, const QString& what, const QString& sql, const QList<QVariant>& values,
                  const std::function<void(const QSqlQuery&)>& eachRow);
    bool writeRows(DiarySection section, const QString& what, const QString& sql, const QList<QVariant>& values,
                   int* affected, qint64* insertedKey);
    bool keyIsAutomatic(const QSqlDatabase& db, DiarySection section, const QString& what);
    bool changeRow(DiarySection section, const QString& where, const QVariant& value, const QString* keyword,
                   const QString* meaning, bool& hit);

    QString path_;
    StoreError error_;
    int busyTimeoutMs_;
};

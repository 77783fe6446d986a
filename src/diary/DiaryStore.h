#pragma once

#include "data/DataSource.h"
#include "data/Database.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>
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

// "Spell", "Incense", "Recipes" or "Rituals", as the section's table is named after it.
QString DiarySectionWord(DiarySection section);
// The section's name as the user reads it, in the user's language ("Spell" in English).
QString DiarySectionName(DiarySection section);
// The section for index 0 to 3, or nothing for any other index.
std::optional<DiarySection> DiarySectionFromIndex(int index);

// One keyword and meaning row of a section table.
struct DiaryEntry {
    qint64 Index = 0;
    QString keyword;
    QString meaning;
};

// The diary database file. Every store of it shares the file's one kept connection (`DataSource`); nothing is
// held locked between two clicks. Rows are always read in ascending "Index", which is the order the keyword
// list shows. Every call returns its value or the error that kept it from being made, and each change is
// announced to every open view of the file once it is committed.
//
// The store never creates the file: a missing, unreadable or corrupt file, a missing table or a locked file
// make the call fail saying what went wrong, and a failed change leaves the file exactly as it was. A change or
// removal of a row that is not there fails with StoreCause::NoSuchRow. Texts are only ever passed as bound
// values.
class DiaryStore {
  public:
    explicit DiaryStore(QString path);

    const QString& path() const { return path_; }
    // The file's change notice, which every view of the diary listens to.
    DataSource& source() const { return source_; }
    // How long a call waits for another program's lock on the file before it gives up.
    void setBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    int busyTimeout() const { return busyTimeoutMs_; }
    // The section's table, as change notices name it.
    static QString tableName(DiarySection section);
    // Tells the data room what diary.dll holds and how a shared database keeps it; done as the program loads.
    static bool DescribeData();

    // Every row of the section, in list order.
    StoreResult<QList<DiaryEntry>> entries(DiarySection section);
    // Hands `each` every row of the section, in list order, whose keyword and meaning may hold each of `words`
    // (given in lower case, without accents): SQLite sorts the rest out without their being read. `surely` is
    // true for a row of ASCII alone, which holds every word apart from letter case; a row with a character beyond
    // ASCII may hold them once its accents and case are folded, which is the caller's test.
    StoreStatus entriesThatMayHold(DiarySection section, const QStringList& words,
                                   const std::function<void(const DiaryEntry&, bool surely)>& each);
    // The position in list order of the row with this "Index".
    StoreResult<qint64> positionOfIndex(DiarySection section, qint64 index);
    StoreResult<DiaryEntry> entryWithIndex(DiarySection section, qint64 index);
    // Adds a row at the end of the list, both texts without their leading and trailing blanks, and returns the
    // "Index" the file gave it. `key` names this add, as for a record: a window keeps one for a save and its retries.
    StoreResult<qint64> add(DiarySection section, const QString& keyword, const QString& meaning,
                            const QUuid& key = QUuid::createUuid());
    // Rewrites keyword and meaning of a row, both without leading and trailing blanks. Given the entry as it was
    // `shown`, an entry someone else changed since is left as it is (StoreCause::Changed), for the user to choose.
    StoreStatus update(DiarySection section, qint64 index, const QString& keyword, const QString& meaning,
                       const std::optional<DiaryEntry>& shown = std::nullopt);
    StoreStatus remove(DiarySection section, qint64 index, const std::optional<DiaryEntry>& shown = std::nullopt);
    // Removes a row as remove() does and gives it back as the file held it, for putBack() to undo the removal.
    StoreResult<KeptRow> removeKept(DiarySection section, qint64 index,
                                    const std::optional<DiaryEntry>& shown = std::nullopt);
    // Puts a removed row back byte for byte: under its own "Index" when no row has taken it meanwhile (its line
    // then stands where it stood), otherwise under a new one, last in the list. Announced as an added row.
    StoreResult<RowPutBack> putBack(const KeptRow& row);
    // The section a kept row belongs to, when it is one of the diary's.
    static std::optional<DiarySection> sectionOf(const KeptRow& row);
    // The number of rows of the section, counted once and then kept until the file changes, so that opening a
    // large section again does not read all of it.
    StoreResult<qint64> count(DiarySection section);
    // `limit` rows (their "Index" and keyword; the meaning left empty) in ascending "Index" after `bound`, or
    // from the first row without one; or, when `descending`, in descending "Index" before `bound`, or from the
    // last row; in both cases after skipping `skip` rows. A list reads the lines it shows this way, by key.
    StoreResult<QList<DiaryEntry>> linesFrom(DiarySection section, std::optional<qint64> bound, bool descending,
                                             qint64 skip, qint64 limit);

    // The diary writes keyword and meaning without leading and trailing blanks (spaces); tabs and line
    // breaks are part of the text.
    static QString trimBlanks(const QString& text);

    // Makes a new diary file from the schema's SQL text. Only the build and the tests do this: the
    // program itself never creates its database.
    static bool createDatabase(const QString& path, const QString& schemaSql, QString* error = nullptr);

  private:
    StoreError fail(StoreError error) const;
    // The kept connection, with the section's table checked once for each opening of the file.
    StoreResult<QSqlDatabase> database(DiarySection section, const QString& what);
    StoreStatus keyIsAutomatic(const QSqlDatabase& db, DiarySection section, const QString& what);
    StoreStatus readRows(DiarySection section, const QString& what, const QString& sql, const QList<QVariant>& values,
                         const std::function<void(const QSqlQuery&)>& eachRow);
    // Runs `change` in a transaction of its own over the section's table; nothing is kept of a failed one. Over a
    // connection lost at the commit, as the records' store does: the lost session ended, `change` once more
    // (setting `repeated`), or the outcome said unknown as `unknown`.
    template <typename T>
    StoreResult<T> inTransaction(DiarySection section, const QString& what, const QString& unknown,
                                 const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                                 bool* repeated = nullptr);
    // Runs one change in a transaction of its own and announces it: `kind` of the row `key`, or of the row the
    // statement added when `key` is null. Returns the key; NoSuchRow when the statement touched no row.
    StoreResult<qint64> writeRow(DiarySection section, const QString& what, const QString& sql,
                                 const QList<QVariant>& values, DataChange::Kind kind, std::optional<qint64> key,
                                 const std::optional<DiaryEntry>& shown,
                                 const std::optional<DiaryEntry>& written = std::nullopt);
    // Why a change of the row `index` touched nothing: it is gone, or (with what was shown) someone changed it; or it
    // was done already, when the row holds what was `written` (a retry of a change whose answer was lost).
    StoreStatus whyUntouched(const QSqlDatabase& db, DiarySection section, qint64 index,
                             const std::optional<DiaryEntry>& shown,
                             const std::optional<DiaryEntry>& written = std::nullopt) const;
    // " AND keyword = ? AND meaning = ?" with the shown texts appended to `values`; nothing without them.
    static QString unchangedSince(const std::optional<DiaryEntry>& shown, QList<QVariant>& values);

    QString path_;
    DataSource& source_;
    int busyTimeoutMs_;
    // The sections whose tables were checked, and the opening of the file they were checked in.
    int checkedGeneration_ = 0;
    QSet<DiarySection> checked_;
};

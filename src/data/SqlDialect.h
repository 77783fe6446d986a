#pragma once

#include <QString>
#include <QVariantList>

class QSqlDatabase;

// What differs between the SQL of the two places data can live, the local SQLite files and a shared PostgreSQL
// database, in one place: the stores build every statement from one column list and ask here for the rest. Both
// take values bound with `?`; names are written unquoted (PostgreSQL folds them to lower case, SQLite ignores
// case) except "Index", which both keep quoted.
class SqlDialect {
  public:
    enum class Engine { Sqlite, Postgres };

    static const SqlDialect& sqlite();
    static const SqlDialect& postgres();
    // The dialect a connection speaks.
    static const SqlDialect& of(const QSqlDatabase& db);
    // A table's or column's name quoted, as both read it: "a""b".
    static QString quotedName(const QString& name);

    Engine engine() const { return engine_; }
    bool onServer() const { return engine_ == Engine::Postgres; }

    // " LIMIT ? OFFSET ?" for `limit` rows (every row when negative) after `offset`, the values appended to `values`.
    QString limitOffset(qint64 limit, qint64 offset, QVariantList& values) const;
    // The length of a text in bytes, which is more than its length in characters when it holds anything beyond
    // ASCII.
    QString byteLength(const QString& expression) const;
    // A line feed, as an expression.
    QString lineBreak() const;
    // LIKE without regard to the case of ASCII letters.
    QString likeWithoutCase() const;
    // True when both are the same value or both null.
    QString sameValue(const QString& left, const QString& right) const;
    // An expression that orders texts as SQLite's NOCASE does: ASCII letters without regard to case, then by bytes.
    QString withoutCase(const QString& expression) const;

  private:
    explicit SqlDialect(Engine engine) : engine_(engine) {}
    Engine engine_;
};

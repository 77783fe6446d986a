#include "data/SqlDialect.h"

#include <QSqlDatabase>

const SqlDialect& SqlDialect::sqlite() {
    static const SqlDialect dialect(Engine::Sqlite);
    return dialect;
}

const SqlDialect& SqlDialect::postgres() {
    static const SqlDialect dialect(Engine::Postgres);
    return dialect;
}

const SqlDialect& SqlDialect::of(const QSqlDatabase& db) {
    const QString driver = db.driverName();
    return driver == QLatin1String("QPSQL") || driver == QLatin1String("VELLORAN_PSQL") ? postgres() : sqlite();
}

QString SqlDialect::quotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString SqlDialect::limitOffset(qint64 limit, qint64 offset, QVariantList& values) const {
    // SQLite reads a negative limit as none, PostgreSQL a null one; neither takes an offset without a limit.
    values << (limit >= 0   ? QVariant(limit)
               : onServer() ? QVariant(QMetaType(QMetaType::LongLong))
                            : QVariant(-1))
           << qMax<qint64>(0, offset);
    return QStringLiteral(" LIMIT ? OFFSET ?");
}

QString SqlDialect::byteLength(const QString& expression) const {
    return onServer() ? QStringLiteral("octet_length(%1)").arg(expression)
                      : QStringLiteral("length(CAST(%1 AS BLOB))").arg(expression);
}

QString SqlDialect::lineBreak() const {
    return onServer() ? QStringLiteral("chr(10)") : QStringLiteral("char(10)");
}

QString SqlDialect::likeWithoutCase() const {
    return onServer() ? QStringLiteral("ILIKE") : QStringLiteral("LIKE");
}

QString SqlDialect::sameValue(const QString& left, const QString& right) const {
    return onServer() ? QStringLiteral("%1 IS NOT DISTINCT FROM %2").arg(left, right)
                      : QStringLiteral("%1 IS %2").arg(left, right);
}

QString SqlDialect::withoutCase(const QString& expression) const {
    // Under the "C" collation PostgreSQL lowers ASCII letters only and compares bytes, as NOCASE does.
    return onServer() ? QStringLiteral("lower(%1 COLLATE \"C\")").arg(expression)
                      : QStringLiteral("%1 COLLATE NOCASE").arg(expression);
}

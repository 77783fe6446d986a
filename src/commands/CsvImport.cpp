#include "commands/CsvImport.h"

#include "commands/Log.h"
#include "core/Texts.h"
#include "data/DataSource.h"
#include "data/ServerSchema.h"
#include "data/SqlDialect.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace CsvImport {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

// SQLite keeps no text longer than a billion bytes (SQLITE_MAX_LENGTH), and a row must fit in the same.
constexpr qsizetype kLongestText = 1'000'000'000;
// Rows a statement adds at once: one round trip to a server for so many, well below either engine's bound on values.
constexpr qsizetype kBatch = 64;
// Rows between two looks at the clock for the progress bar and the Cancel button.
constexpr qint64 kRowsBetweenProgress = 512;
// Rows of the table read at once while looking at an import's rows.
constexpr qint64 kPage = 1000;

QString stoppedWords() {
    return Words::tr("the import was cancelled; nothing was stored");
}

QString columnList(const Target& target) {
    QStringList columns;
    for (const Field& field : target.fields) {
        columns << field.column;
    }
    return columns.join(QStringLiteral(", "));
}

bool openFile(QFile& file, QString& failure) {
    if (!file.open(QIODevice::ReadOnly)) {
        failure = Words::tr("The file %1 could not be read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

// The rows of the import's range of keys (ids on the files, keys made of the import's id on the server), a page at a
// time, each with its place in `imported.rows`, or -1 for a row of the range that is not the import's.
StoreStatus walkImported(const QSqlDatabase& db, const Imported& imported, bool lockRows, const Progress& progress,
                         bool* stopped, const std::function<void(qsizetype at, qint64 key, bool same)>& each) {
    const Target& target = imported.target;
    const QString what = Words::tr("The imported rows could not be read");
    if (imported.rows.isEmpty()) {
        return Done{};
    }
    const QString range = imported.onServer ? QStringLiteral("velloran_key BETWEEN ?::uuid AND ?::uuid")
                                            : QStringLiteral("%1 BETWEEN ? AND ?").arg(target.key);
    const QVariantList bounds = imported.onServer
                                    ? QVariantList{imported.keyOfLine(0).toString(QUuid::WithoutBraces),
                                                   imported.keyOfLine(0xFFFFFFFFFFFFLL).toString(QUuid::WithoutBraces)}
                                    : QVariantList{imported.rows.constFirst(), imported.rows.constLast()};
    const QString sql =
        QStringLiteral("SELECT %1, %2%3 FROM %4 WHERE %5 AND %2 > ? ORDER BY %2 LIMIT %6%7")
            .arg(columnList(target), target.key, imported.onServer ? QStringLiteral(", velloran_key::text") : QString(),
                 target.table, range, QString::number(kPage),
                 lockRows && imported.onServer ? QStringLiteral(" FOR UPDATE") : QString());
    const int fields = int(target.fields.size());
    qint64 after = std::numeric_limits<qint64>::min();
    qint64 walked = 0;
    for (;;) {
        QSqlQuery page(db);
        page.setForwardOnly(true);
        if (!RunPrepared(page, sql, bounds + QVariantList{after})) {
            return StoreError::fromSql(what, page.lastError());
        }
        qint64 read = 0;
        QVariantList values;
        while (page.next()) {
            ++read;
            values.clear();
            for (int i = 0; i < fields; ++i) {
                values << page.value(i);
            }
            after = page.value(fields).toLongLong();
            const qint64 place =
                imported.onServer ? Imported::lineOfKey(QUuid::fromString(page.value(fields + 1).toString())) : after;
            const auto found = std::lower_bound(imported.rows.cbegin(), imported.rows.cend(), place);
            if (found == imported.rows.cend() || *found != place) {
                each(-1, after, false);
                continue;
            }
            const qsizetype at = found - imported.rows.cbegin();
            each(at, after, imported.hashes.at(at) == RowHash(values));
        }
        if (page.lastError().isValid()) {
            return StoreError::fromSql(what, page.lastError());
        }
        walked += read;
        if (progress && !progress(walked, imported.added())) {
            *stopped = true;
            return StoreError{StoreCause::Other, what, stoppedWords(), {}};
        }
        if (read < kPage) {
            return Done{};
        }
    }
}

// The server's triggers would send a notice for each row, and every other copy of the program would read its lists
// again for each: they are kept quiet, and the count and the one notice are given here.
StoreStatus quietOnServer(const QSqlDatabase& db, const QString& what) {
    QSqlQuery quiet(db);
    if (!quiet.exec(ServerSchema::QuietlyStatement)) {
        return StoreError::fromSql(what, quiet.lastError());
    }
    return Done{};
}

StoreStatus countAndTellOnServer(const QSqlDatabase& db, const QString& table, qint64 added, const QString& what) {
    QSqlQuery count(db);
    if (!RunPrepared(count, QStringLiteral("UPDATE velloran_counts SET rows = rows + ? WHERE tablename = lower(?)"),
                     {added, table})) {
        return StoreError::fromSql(what, count.lastError());
    }
    QSqlQuery tell(db);
    if (!RunPrepared(tell, QStringLiteral("SELECT pg_notify(?, lower(?) || ' unknown 0')"),
                     {ServerSchema::Channel, table})) {
        return StoreError::fromSql(what, tell.lastError());
    }
    return Done{};
}

StoreResult<QSet<quint64>> storedRowsOn(const QSqlDatabase& db, const Target& target) {
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT %1 FROM %2").arg(columnList(target), target.table))) {
        return StoreError::fromSql(Words::tr("The rows already stored could not be read"), rows.lastError());
    }
    QSet<quint64> hashes;
    QVariantList values;
    const int fields = int(target.fields.size());
    while (rows.next()) {
        values.clear();
        for (int i = 0; i < fields; ++i) {
            values << rows.value(i);
        }
        hashes.insert(RowHash(values));
    }
    if (rows.lastError().isValid()) {
        return StoreError::fromSql(Words::tr("The rows already stored could not be read"), rows.lastError());
    }
    return hashes;
}

} // namespace

QUuid Imported::keyOfLine(qint64 line) const {
    QByteArray bytes = id.toRfc4122();
    for (int i = 0; i < 6; ++i) {
        bytes[15 - i] = char((line >> (8 * i)) & 0xFF);
    }
    return QUuid::fromRfc4122(bytes);
}

qint64 Imported::lineOfKey(const QUuid& key) {
    const QByteArray bytes = key.toRfc4122();
    qint64 line = 0;
    for (int i = 10; i < 16; ++i) {
        line = (line << 8) | quint8(bytes.at(i));
    }
    return line;
}

Converted Convert(const Target& target, const Choices& choices, const Csv::Row& row) {
    Converted out;
    out.fault = row.fault;
    out.values.reserve(target.fields.size());
    for (qsizetype i = 0; i < target.fields.size(); ++i) {
        const Field& field = target.fields.at(i);
        const int column = choices.columns.value(i, -1);
        QString text = column >= 0 ? row.fields.value(column) : QString();
        if (field.trimBlanks) {
            text = Texts::WithoutOuterBlanks(text);
        }
        if (field.date) {
            bool ok = true;
            const QDate date = Csv::ReadDate(text, choices.dateForm, &ok);
            if (!ok && out.fault.isEmpty()) {
                //: A line's fault: the date, the form dates are read in, and the field.
                out.fault = Words::tr("“%1” is no date of the form %2 (%3)").arg(text, choices.dateForm, field.caption);
            }
            out.values << (date.isValid() ? QVariant(date.toString(Qt::ISODate))
                                          : QVariant(QMetaType(QMetaType::QString)));
            continue;
        }
        if (out.fault.isEmpty() && text.contains(QChar(0))) {
            out.fault = Words::tr("%1 holds a null character, which the database cannot keep").arg(field.caption);
        }
        if (out.fault.isEmpty() && text.size() > kLongestText / 3 && text.toUtf8().size() > kLongestText) {
            out.fault = Words::tr("%1 is longer than the database keeps (a billion bytes)").arg(field.caption);
        }
        // Never a null text: SQL would take it for NULL rather than an empty text.
        out.values << (text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text));
    }
    return out;
}

quint64 RowHash(const QVariantList& values) {
    size_t hash = 0x9e3779b97f4a7c15ULL;
    for (const QVariant& value : values) {
        hash = qHashMulti(hash, value.isNull(), value.toString());
    }
    return hash;
}

std::optional<Scan> ScanFile(const QString& path, const Target& target, const Choices& choices, QString& failure,
                             const Progress& progress, qsizetype kept) {
    QFile file(path);
    if (!openFile(file, failure)) {
        return Scan{};
    }
    const qint64 size = file.size();
    Csv::Reader reader(&file, choices.format);
    Scan scan;
    Csv::Row row;
    while (reader.next(row)) {
        ++scan.rows;
        if (const Converted converted = Convert(target, choices, row); !converted.fault.isEmpty()) {
            ++scan.faulty;
            if (scan.faults.size() < kept) {
                scan.faults.append({row.line, converted.fault});
            }
        }
        if (scan.rows % kRowsBetweenProgress == 0 && progress && !progress(reader.bytesRead(), size)) {
            return std::nullopt;
        }
    }
    failure = reader.failure();
    return scan;
}

StoreResult<QSet<quint64>> StoredRows(const Target& target) {
    const StoreResult<QSqlDatabase> db = target.open();
    if (!db) {
        return db.error();
    }
    return storedRowsOn(*db, target);
}

StoreResult<Outcome> ImportFile(const QString& path, const Target& target, const Choices& choices,
                                const Progress& progress, bool* stopped) {
    const QString what = Words::tr("The file %1 could not be imported").arg(QFileInfo(path).fileName());
    bool stoppedHere = false;
    auto imported = std::make_shared<Imported>();
    imported->target = target;
    imported->fileName = QFileInfo(path).fileName();
    imported->id = QUuid::createUuid();
    imported->onServer = target.source->onServer();
    const bool onServer = imported->onServer;

    QString columns = columnList(target);
    QString one = QStringList(target.fields.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    if (onServer) {
        columns += QStringLiteral(", velloran_key");
        one += QStringLiteral(", ?::uuid");
    }
    const auto insertOf = [&](qsizetype rows) {
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3%4 RETURNING %5")
            .arg(target.table, columns,
                 QStringList(rows, QLatin1Char('(') + one + QLatin1Char(')')).join(QLatin1Char(',')),
                 onServer ? QStringLiteral(" ON CONFLICT (velloran_key) DO NOTHING") : QString(), target.key);
    };

    StoreResult<Outcome> done = target.source->changeOnce<Outcome>(
        target.open, Words::tr("The import could not begin"), what,
        Words::tr("The server did not say whether the file was imported"),
        [&](const QSqlDatabase& db) -> StoreResult<Outcome> {
            Outcome outcome;
            imported->rows.clear();
            imported->hashes.clear();
            if (onServer) {
                if (const StoreStatus quiet = quietOnServer(db, what); !quiet) {
                    return quiet.error();
                }
            }
            QSet<quint64> stored;
            if (choices.leaveOutStored) {
                StoreResult<QSet<quint64>> read = storedRowsOn(db, target);
                if (!read) {
                    return read.error();
                }
                stored = std::move(*read);
            }
            QFile file(path);
            QString failure;
            if (!openFile(file, failure)) {
                return StoreError{StoreCause::Other, what, failure, {}};
            }
            const qint64 size = file.size();
            Csv::Reader reader(&file, choices.format);

            QSqlQuery full(db);
            if (!full.prepare(insertOf(kBatch))) {
                return StoreError::fromSql(what, full.lastError());
            }
            QVariantList pending;
            QList<qint64> pendingLines;
            QList<quint64> pendingHashes;
            qint64 addedOnServer = 0;
            const auto flush = [&]() -> StoreStatus {
                if (pendingLines.isEmpty()) {
                    return Done{};
                }
                QSqlQuery partial(db);
                QSqlQuery* insert = &full;
                if (pendingLines.size() < kBatch && !partial.prepare(insertOf(pendingLines.size()))) {
                    return StoreError::fromSql(what, partial.lastError());
                }
                if (pendingLines.size() < kBatch) {
                    insert = &partial;
                }
                for (const QVariant& value : std::as_const(pending)) {
                    insert->addBindValue(value);
                }
                if (!insert->exec()) {
                    return StoreError::fromSql(what, insert->lastError());
                }
                QList<qint64> keys;
                while (insert->next()) {
                    keys << insert->value(0).toLongLong();
                }
                insert->finish();
                if (onServer) {
                    // A second run after a lost commit finds every key there already: the rows are the import's all
                    // the same, and only those new to the table count.
                    addedOnServer += keys.size();
                    imported->rows << pendingLines;
                } else {
                    if (keys.size() != pendingLines.size()) {
                        return StoreError{StoreCause::Other, what, Words::tr("not every row was added"), {}};
                    }
                    // Keys are handed out in the order the rows were written.
                    std::sort(keys.begin(), keys.end());
                    imported->rows << keys;
                }
                imported->hashes << pendingHashes;
                pending.clear();
                pendingLines.clear();
                pendingHashes.clear();
                return Done{};
            };

            Csv::Row row;
            qint64 read = 0;
            while (reader.next(row)) {
                Converted converted = Convert(target, choices, row);
                if (!converted.fault.isEmpty()) {
                    ++outcome.faulty;
                } else if (const quint64 hash = RowHash(converted.values);
                           choices.leaveOutStored && stored.contains(hash)) {
                    ++outcome.stored;
                } else {
                    pending << converted.values;
                    if (onServer) {
                        pending << imported->keyOfLine(row.line).toString(QUuid::WithoutBraces);
                    }
                    pendingLines << row.line;
                    pendingHashes << hash;
                    if (pendingLines.size() == kBatch) {
                        if (const StoreStatus written = flush(); !written) {
                            return written.error();
                        }
                    }
                }
                if (++read % kRowsBetweenProgress == 0 && progress && !progress(reader.bytesRead(), size)) {
                    stoppedHere = true;
                    return StoreError{StoreCause::Other, what, stoppedWords(), {}};
                }
            }
            if (!reader.failure().isEmpty()) {
                return StoreError{StoreCause::Other, what, reader.failure(), {}};
            }
            if (const StoreStatus written = flush(); !written) {
                return written.error();
            }
            if (onServer) {
                if (const StoreStatus told = countAndTellOnServer(db, target.table, addedOnServer, what); !told) {
                    return told.error();
                }
            }
            outcome.added = imported->added();
            return outcome;
        });
    if (stopped) {
        *stopped = stoppedHere;
    }
    if (!done) {
        return done;
    }
    qCInfo(VelloranCommandsLog, "%lld rows imported into %s from %s", done->added, qUtf8Printable(target.table),
           qUtf8Printable(imported->fileName));
    if (done->added > 0) {
        // One notice for the whole file: every view reads once, not once a row.
        target.source->announce({DataChange::Kind::Unknown, target.table, 0, false});
    }
    done->imported = std::move(imported);
    return done;
}

StoreResult<Standing> Look(const Imported& imported, const Progress& progress, bool* stopped) {
    const StoreResult<QSqlDatabase> db = imported.target.open();
    if (!db) {
        return db.error();
    }
    Standing standing;
    QBitArray seen(imported.rows.size());
    bool stoppedHere = false;
    const StoreStatus walked =
        walkImported(*db, imported, false, progress, &stoppedHere, [&](qsizetype at, qint64, bool same) {
            if (at < 0) {
                return;
            }
            seen.setBit(at);
            ++(same ? standing.unchanged : standing.changed);
        });
    if (stopped) {
        *stopped = stoppedHere;
    }
    if (!walked) {
        return walked.error();
    }
    standing.gone = imported.added() - seen.count(true);
    return standing;
}

StoreResult<Standing> Undo(const Imported& imported, const Progress& progress, bool* stopped) {
    const Target& target = imported.target;
    const QString what = Words::tr("The import of %1 could not be undone").arg(imported.fileName);
    bool stoppedHere = false;
    StoreResult<Standing> done = target.source->changeOnce<Standing>(
        target.open, Words::tr("The import could not be undone"), what,
        Words::tr("The server did not say whether the import was undone"),
        [&](const QSqlDatabase& db) -> StoreResult<Standing> {
            Standing standing;
            QBitArray seen(imported.rows.size());
            QList<qint64> unchanged;
            if (imported.onServer) {
                if (const StoreStatus quiet = quietOnServer(db, what); !quiet) {
                    return quiet.error();
                }
            }
            const StoreStatus walked =
                walkImported(db, imported, true, progress, &stoppedHere, [&](qsizetype at, qint64 key, bool same) {
                    if (at < 0) {
                        return;
                    }
                    seen.setBit(at);
                    if (same) {
                        unchanged << key;
                    } else {
                        ++standing.changed;
                    }
                });
            if (!walked) {
                return walked.error();
            }
            standing.gone = imported.added() - seen.count(true);
            const QString many =
                QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)")
                    .arg(target.table, target.key, QStringList(kBatch, QStringLiteral("?")).join(QStringLiteral(", ")));
            QSqlQuery remove(db);
            for (qsizetype from = 0; from < unchanged.size(); from += kBatch) {
                const qsizetype count = std::min(kBatch, unchanged.size() - from);
                const bool whole = count == kBatch;
                if (!whole || from == 0) {
                    const QString sql =
                        whole ? many
                              : QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)")
                                    .arg(target.table, target.key,
                                         QStringList(count, QStringLiteral("?")).join(QStringLiteral(", ")));
                    if (!remove.prepare(sql)) {
                        return StoreError::fromSql(what, remove.lastError());
                    }
                }
                for (qsizetype i = from; i < from + count; ++i) {
                    remove.addBindValue(unchanged.at(i));
                }
                if (!remove.exec()) {
                    return StoreError::fromSql(what, remove.lastError());
                }
                standing.unchanged += remove.numRowsAffected();
            }
            remove.finish();
            if (imported.onServer) {
                if (const StoreStatus told = countAndTellOnServer(db, target.table, -standing.unchanged, what); !told) {
                    return told.error();
                }
            }
            return standing;
        });
    if (stopped) {
        *stopped = stoppedHere;
    }
    if (done && done->unchanged > 0) {
        qCInfo(VelloranCommandsLog, "%lld rows of the import of %s removed", done->unchanged,
               qUtf8Printable(imported.fileName));
        target.source->announce({DataChange::Kind::Unknown, target.table, 0, false});
    }
    return done;
}

} // namespace CsvImport

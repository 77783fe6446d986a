#include "common/StoreFailure.h"

#include <QDir>
#include <QSqlError>

namespace {
// SQLite's primary result codes, as the driver reports them.
enum : int {
    Busy = 5,
    LockedTable = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};
} // namespace

StoreCause StoreCauseOf(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (number) {
        switch (code) {
        case Busy:
        case LockedTable:
            return StoreCause::Locked;
        case ReadOnly:
            return StoreCause::ReadOnly;
        case Corrupt:
        case NotADatabase:
            return StoreCause::Damaged;
        case Full:
            return StoreCause::DiskFull;
        case CantOpen:
            return StoreCause::Missing;
        case IoError:
            return StoreCause::Other;
        default:
            break;
        }
    }
    // Some messages come without a code (a prepare that failed on a missing table, say).
    const QString text = StoreErrorDetail(error);
    if (text.contains(QLatin1String("no such table")) || text.contains(QLatin1String("no such column"))) {
        return StoreCause::Damaged;
    }
    if (text.contains(QLatin1String("locked"))) {
        return StoreCause::Locked;
    }
    return StoreCause::Other;
}

QString StoreErrorDetail(const QSqlError& error) {
    const QString database = error.databaseText().trimmed();
    const QString text = database.isEmpty() ? error.text().trimmed() : database;
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

QString StoreCauseText(StoreCause cause, const QString& path, const QString& detail) {
    const QString file = QDir::toNativeSeparators(path);
    switch (cause) {
    case StoreCause::Missing:
        return QStringLiteral("the file %1 is missing").arg(file);
    case StoreCause::Locked:
        return QStringLiteral("the file %1 is in use by another program").arg(file);
    case StoreCause::ReadOnly:
        return QStringLiteral("the file %1 or its folder is read-only").arg(file);
    case StoreCause::Damaged:
        return detail.isEmpty() ? QStringLiteral("the file %1 is damaged").arg(file)
                                : QStringLiteral("the file %1 is damaged (%2)").arg(file, detail);
    case StoreCause::DiskFull:
        return QStringLiteral("the disk that holds %1 is full").arg(file);
    case StoreCause::None:
    case StoreCause::Other:
        break;
    }
    return QStringLiteral("%1 (%2)").arg(detail, file);
}

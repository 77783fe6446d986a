#pragma once

#include "common/StoreFailure.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>

// A private application folder with a fresh diary.dll made from the schema, a stand-in shell, and the
// section values back at their start.
struct DiaryWorld {
    DiaryWorld() {
        CurrentSectionIndex = 0;
        CurrentSectionWord.clear();
        DiaryStore::setDefaultBusyTimeout(50);
    }
    ~DiaryWorld() { DiaryStore::setDefaultBusyTimeout(StoreBusyWaitMs); }

    bool makeDiary() const {
        QFile file(QStringLiteral(VELLORAN_DIARY_SCHEMA));
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        return DiaryStore::createDatabase(DiaryFilePath(), QString::fromUtf8(file.readAll()));
    }

    QStringList rows(DiarySection section) const {
        QStringList out;
        DiaryStore store(DiaryFilePath());
        if (!store.keywords(section, out)) {
            return {QStringLiteral("<unreadable>")};
        }
        return out;
    }

    DiaryEntry entry(DiarySection section, int position) const {
        DiaryEntry out;
        bool found = false;
        DiaryStore store(DiaryFilePath());
        store.entryAt(section, position, out, found);
        return out;
    }

    QByteArray fileHash() const {
        QFile file(DiaryFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    TestEnvironment env;
    RecordingShell shell;
};

// Holds a write lock on the diary until destroyed, as another program would.
class DiaryLock {
  public:
    DiaryLock() {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(DiaryFilePath());
        locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~DiaryLock() {
        {
            QSqlDatabase db = QSqlDatabase::database(name(), false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(name());
    }
    DiaryLock(const DiaryLock&) = delete;
    DiaryLock& operator=(const DiaryLock&) = delete;
    bool locked = false;

  private:
    static QString name() { return QStringLiteral("tst-diary-lock"); }
};

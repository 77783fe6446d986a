#pragma once

#include "common/Database.h"
#include "common/Windows.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <memory>

// The diary's schema as the build makes diary.dll from it.
inline QString DiarySchema() {
    QFile file(QStringLiteral(VELLORAN_DIARY_SCHEMA));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A private application folder with a fresh diary.dll made from the schema, a stand-in shell, and the
// section values back at their start.
struct DiaryWorld {
    DiaryWorld() {
        CurrentSectionIndex = 0;
        CurrentSectionWord.clear();
        DiaryStore::setDefaultBusyTimeout(50);
    }
    ~DiaryWorld() { DiaryStore::setDefaultBusyTimeout(DatabaseBusyTimeoutMs); }

    bool makeDiary() const { return DiaryStore::createDatabase(DiaryFilePath(), DiarySchema()); }

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

    QByteArray fileHash() const { return FileHash(DiaryFilePath()); }

    TestEnvironment env;
    RecordingShell shell;
};

// What a list of lines shows, line by line, as the user reads it.
inline QStringList listedLines(const QAbstractItemView* list) {
    QStringList lines;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        lines << model->index(row, 0).data().toString();
    }
    return lines;
}

inline int lineCount(const QAbstractItemView* list) {
    return list->model()->rowCount();
}

inline QString lineText(const QAbstractItemView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}

inline bool hasSelectedLine(const QAbstractItemView* list) {
    return list->selectionModel()->hasSelection();
}

// Holds a write lock on the diary until destroyed, as another program would.
class DiaryLock : public RawDatabase {
  public:
    DiaryLock() : RawDatabase(DiaryFilePath()), locked(exec(QStringLiteral("BEGIN EXCLUSIVE"))) {}
    ~DiaryLock() { exec(QStringLiteral("ROLLBACK")); }
    const bool locked;
};

// Opens the keyword book on a section, as the chooser hands it over.
inline frmPaganDiaryResultBOS* OpenDiaryBook(int index) {
    CurrentSectionIndex = static_cast<qint16>(index);
    CurrentSectionWord = DiarySectionWord(DiarySectionFromIndex(index).value_or(DiarySection::Spell));
    return Windows::Show<frmPaganDiaryResultBOS>();
}

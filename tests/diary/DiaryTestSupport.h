#pragma once

#include "data/Database.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QAbstractItemView>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

// The diary's schema as the build makes diary.dll from it.
inline QString DiarySchema() {
    QFile file(QStringLiteral(VELLORAN_DIARY_SCHEMA));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The keywords of a section in list order, as the file holds them; one line saying so when it cannot be read.
inline QStringList Keywords(const QString& path, DiarySection section) {
    DiaryStore store(path);
    const StoreResult<QList<DiaryEntry>> entries = store.entries(section);
    if (!entries) {
        return {QStringLiteral("<unreadable>")};
    }
    QStringList keywords;
    for (const DiaryEntry& entry : *entries) {
        keywords << entry.keyword;
    }
    return keywords;
}

// Removes the row at a position of the list order as another program would, past this program's connection.
inline bool RemoveLineElsewhere(const QString& path, DiarySection section, int position) {
    const QString table = DiaryStore::tableName(section);
    return RawDatabase(path).exec(
        QStringLiteral(
            "DELETE FROM %1 WHERE \"Index\" = (SELECT \"Index\" FROM %1 ORDER BY \"Index\" LIMIT 1 OFFSET %2)")
            .arg(table)
            .arg(position));
}

// A private application folder with a fresh diary.dll made from the schema, a stand-in shell, and the
// section values back at their start.
struct DiaryWorld {
    // A locked file fails quickly.
    DiaryWorld() { env.services.busyTimeoutMs = 50; }

    bool makeDiary() const { return DiaryStore::createDatabase(DiaryFilePath(), DiarySchema()); }

    QStringList rows(DiarySection section) const { return Keywords(DiaryFilePath(), section); }

    // Entries whose meaning is their keyword, added in the order given.
    bool addEntries(DiarySection section, std::initializer_list<const char*> keywords) const {
        DiaryStore store(DiaryFilePath());
        return std::all_of(keywords.begin(), keywords.end(), [&](const char* keyword) {
            const QString text = QString::fromUtf8(keyword);
            return bool(store.add(section, text, text));
        });
    }

    DiaryEntry entry(DiarySection section, int position) const {
        DiaryStore store(DiaryFilePath());
        return store.entries(section).value_or({}).value(position);
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

// The keyword book and its controls, found by their names as a screen reader finds them.
struct Book {
    Book(frmPaganDiaryResultBOS* book = nullptr) : window(book) {
        if (!book) {
            return;
        }
        openCloseButton = Control<QPushButton>(book, QStringLiteral("Command1"));
        addSaveButton = Control<QPushButton>(book, QStringLiteral("Command2"));
        removeButton = Control<QPushButton>(book, QStringLiteral("Command3"));
        editSaveButton = Control<QPushButton>(book, QStringLiteral("Command4"));
        exitButton = Control<QPushButton>(book, QStringLiteral("Command5"));
        for (int i = 0; i < 3; ++i) {
            captions[i] = Control<QLabel>(book, "lblCaption", i);
        }
        keywordList = Control<QListView>(book, QStringLiteral("lstKeyword"));
        keywordBox = Control<QLineEdit>(book, QStringLiteral("txtKeyword"));
        meaningBox = Control<QPlainTextEdit>(book, QStringLiteral("txtMeaning"));
        backItem = Control<QAction>(book, QStringLiteral("mnuBack"));
        exitItem = Control<QAction>(book, QStringLiteral("mnuExit"));
        fileMenu = Control<QMenu>(book, QStringLiteral("mnuFile"));
    }
    frmPaganDiaryResultBOS* operator->() const { return window; }
    explicit operator bool() const { return window != nullptr; }

    frmPaganDiaryResultBOS* window;
    QPushButton* openCloseButton = nullptr;
    QPushButton* addSaveButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* editSaveButton = nullptr;
    QPushButton* exitButton = nullptr;
    std::array<QLabel*, 3> captions{};
    QListView* keywordList = nullptr;
    QLineEdit* keywordBox = nullptr;
    QPlainTextEdit* meaningBox = nullptr;
    QAction* backItem = nullptr;
    QAction* exitItem = nullptr;
    QMenu* fileMenu = nullptr;
};

// Opens the keyword book on a section, as the chooser hands it over.
inline Book OpenDiaryBook(int index) {
    return Book(frmPaganDiaryResultBOS::ShowSection(DiarySectionFromIndex(index).value_or(DiarySection::Spell)));
}

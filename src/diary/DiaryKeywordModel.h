#pragma once

#include "common/KeyedPages.h"
#include "diary/DiaryStore.h"

#include <QAbstractListModel>
#include <memory>
#include <optional>

// The keywords of one diary section as the keyword list shows them, in ascending "Index". Only the lines on
// screen are read, a page at a time by "Index"; opening a section costs its row count (kept while the file
// is unchanged) and one page, whatever its size. Adding, removing and renaming an entry change one line.
class DiaryKeywordModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    explicit DiaryKeywordModel(QObject* parent = nullptr);
    ~DiaryKeywordModel() override;

    // Reads the section afresh from the store's file; on failure the list is empty and the store tells why.
    bool load(DiaryStore& store, DiarySection section);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The "Index" of the row a line shows, or nothing when the line cannot be read.
    std::optional<qint64> indexAt(int row) const;
    // The store has added a row with this "Index", which comes after all others: it becomes the last line.
    void appendLine(qint64 index, const QString& keyword);
    // The store has removed the row of this line.
    void removeLine(int row);
    // The store has given the row of this line a new keyword.
    void renameLine(int row, const QString& keyword);
    // True while the file has had no change committed since the list was read or last brought in step: a
    // change of this program's own then needs only its one line changed in the list.
    bool inStepWithFile() const;
    // After a change of this program's own to a list that was in step, with the line changed to match.
    void markInStep();
    // Lines that could not be read are tried again when next shown.
    void retryUnreadLines();
    int pagesRead() const { return pages_ ? pages_->pagesRead() : 0; }

  private:
    QString path_;
    DiarySection section_ = DiarySection::Spell;
    std::unique_ptr<KeyedPages<DiaryEntry>> pages_;
    std::optional<qint64> version_;
    int busyTimeoutMs_ = 2000;
};

#pragma once

#include "data/KeyedPages.h"
#include "diary/DiaryStore.h"

#include <QAbstractListModel>
#include <memory>
#include <optional>

// The keywords of one diary section as the keyword list shows them, in ascending "Index". Only the lines on
// screen are read, a page at a time by "Index"; opening a section costs its row count (kept while the file
// is unchanged) and one page, whatever its size. It follows every change to the section: one of this
// program's own changes one line, another program's makes it read the section again.
class DiaryKeywordModel : public QAbstractListModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    explicit DiaryKeywordModel(const QString& path, QObject* parent = nullptr);
    ~DiaryKeywordModel() override;

    // Reads the section afresh; on failure the list is empty and the error says why.
    StoreStatus load(DiarySection section);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The "Index" of the row a line shows, or nothing when the line could not be read.
    std::optional<qint64> indexAt(int row) const;
    // The same, reading the line's page once more if it could not be read before.
    StoreResult<qint64> readIndexAt(int row);
    // Lines that could not be read are tried again when next shown.
    void retryUnreadLines();
    int pagesRead() const { return pages_ ? pages_->pagesRead() : 0; }
    DiaryStore& store() { return store_; }

  signals:
    // A page of lines could not be read; said once until the lines are tried again. Emitted while the list is
    // painted: connect it queued.
    void readFailed(const StoreError& error);

  private:
    void followChange(const DataChange& change);
    // Replaces the line of a row whose keyword changed, reading it again.
    void rereadLine(qint64 index);

    DiaryStore store_;
    DiarySection section_ = DiarySection::Spell;
    std::unique_ptr<KeyedPages<DiaryEntry>> pages_;
    // The last failure of a page, said once.
    StoreError unread_;
};

#pragma once

#include "data/DataSource.h"
#include "data/KeyedPages.h"
#include "dowsing/DowsingRecord.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>

class DowsingStore;

// The rows of Details for the all-records grid, read from the store a page at a time, by IdNumber, as the grid
// asks for them: opening costs the row count (kept from one opening to the next while the file is unchanged)
// and the first screenful, whatever the table's size, and the last screenful is read back from the end.
// Every change to the records, by this program or another, makes it count again and let its pages go.
class DowsingGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    // The store must outlive the model. Empty until reload().
    explicit DowsingGridModel(DowsingStore& store, QObject* parent = nullptr);

    // Counts the rows afresh and lets every page go; on failure the grid is empty and the error says why.
    StoreStatus reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The record at a row, read from the file if its page is not at hand; nullopt when it cannot be read.
    std::optional<DowsingRecord> record(int row) const;
    // Pages read from the file so far; the grid's hidden-and-shown-again state reads none anew.
    int pagesRead() const { return pages_->pagesRead(); }
    // After a page could not be read, no page is asked for again (under another program's lock each asking
    // would wait) until the user chooses to try again.
    bool hasUnreadPages() const { return unread_.failed(); }
    void retry();

    static QString columnCaption(int column);
    // The caption as written, whatever the language in force: a spreadsheet made under another language names it so.
    static QString columnCaptionAsWritten(int column);

  signals:
    // Once per failure to read a page or to count the rows again after a change. Emitted while the grid is
    // painted: connect it queued.
    void readFailed(const StoreError& error);

  private:
    void followChange(const DataChange& change);
    void reloadSayingWhy();
    std::unique_ptr<KeyedPages<DowsingRecord>> makePages(int rows);

    DowsingStore& store_;
    int rows_ = 0;
    bool countFailed_ = false;
    StoreError unread_;
    std::unique_ptr<KeyedPages<DowsingRecord>> pages_;
};

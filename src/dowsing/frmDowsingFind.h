#pragma once

#include "dowsing/DowsingSearch.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <memory>

// Tools > Find Records…: the records whose text or date holds every word typed, listed as the grid lists
// them and narrowed as the user types. A double click or Return opens a record on the record sheet as the grid
// does. Every record is listed at once; the first time, the words index is made meanwhile on a thread of its own,
// and words typed are looked for once it is there.
class frmDowsingFind : public DowsingChildWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("find-records.html"); }
    frmDowsingFind();
    ~frmDowsingFind() override;

    void onLoad() override;
    void onUnload() override;
    bool remembersSize() const override { return true; }

    DowsingFindModel* model() const { return model_.get(); }
    // Disabled while the records cannot be searched.
    QLineEdit* searchField() const { return searchField_; }
    QPushButton* closeButton() const { return closeButton_; }

    // Lists the records that hold the words typed, from the file as it is now.
    void search();
    // True once the words index is made: words typed are looked for.
    bool searchable() const { return indexReady_; }
    // Opens the current record on the record sheet, as read from the file now.
    void openCurrentRecord();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Makes the words index or catches it up with the records; empty when it is current, otherwise why not.
    QString makeIndex(const QSqlDatabase& db);
    // The list's model over the store's connection, made again when the file was opened afresh.
    void useModelOn(const QSqlDatabase& db);
    // Searches again once the events at hand are done; several changes in a row need one search.
    void searchSoon();
    // The count of records found; when not yet known, and `countLater`, counted once the list is shown.
    void showCount(bool countLater = true);
    void showIndexProgress(qint64 done, qint64 total);
    // Says that words wait for the search index; false when what is typed needs no index.
    bool sayIfWaitingForIndex();
    void indexMade(const QString& why);
    // Says why the records cannot be searched, in the window or (unless the user stopped it) in a box too.
    void notSearchable(const QString& why, bool sayInBox);
    void sayUnreadPage(StoreError error);
    qint64 currentRecordId() const;

    QLabel* findLabel_;
    QLineEdit* searchField_;
    QTableView* foundGrid_;
    QLabel* countLabel_;
    QProgressBar* indexProgress_; // how far the words index has got, while it is being made
    QLabel* hintLabel_;
    QPushButton* closeButton_;

    std::unique_ptr<DowsingStore> store_;
    std::unique_ptr<DowsingFindModel> model_;
    std::unique_ptr<IndexMaker> indexMaker_;
    bool indexReady_ = false;
    QTimer searchSoon_;
    // Counts every match once the typing pauses: with many records a count costs more than a keystroke should.
    QTimer countSoon_;
    QList<qint64> changedHere_; // the records this program changed since the index last caught up
};

namespace DowsingFindTexts {
QString Caption();
QString Hint();
// How many records match in all (when known) and how many of them are listed so far.
QString Count(int shown, bool more, std::optional<qint64> found = std::nullopt);
QString WaitingForIndex(int percent);
QString NotSearchable(const QString& reason);
QString NotRead(const QString& reason);
QString Gone();
QString MakingIndex();
} // namespace DowsingFindTexts

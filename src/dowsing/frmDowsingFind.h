#pragma once

#include "dowsing/DowsingSearch.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <memory>

// Tools > Find Records…: the records whose text or date holds every word typed, listed as the grid lists
// them and narrowed as the user types. A double click opens a record on the record sheet as the grid does.
class frmDowsingFind : public DowsingChildWindow {
    Q_OBJECT
  public:
    frmDowsingFind();
    ~frmDowsingFind() override;

    void onLoad() override;
    void onUnload() override;
    bool remembersSize() const override { return true; }

    DowsingFindModel* model() const { return model_.get(); }

    QLabel* lblFind;
    QLineEdit* txtFind;
    QTableView* grdFound;
    QLabel* lblCount;
    QLabel* lblHint;
    QPushButton* cmdClose;

    // Lists the records that hold the words typed, from the file as it is now.
    void search();
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
    void showCount();
    void sayUnreadPage(StoreError error);
    qint64 currentRecordId() const;

    std::unique_ptr<DowsingStore> store_;
    std::unique_ptr<DowsingFindModel> model_;
    QTimer searchSoon_;
    QList<qint64> changedHere_; // the records this program changed since the index last caught up
};

namespace DowsingFindTexts {
inline const QString Caption = QStringLiteral("Find Records");
inline const QString Hint = QStringLiteral("Type any words of a record or its date. Double click a record to see "
                                           "its sheet; click a column caption to sort.");
QString Count(int shown, bool more);
QString NotSearchable(const QString& reason);
QString NotRead(const QString& reason);
inline const QString Gone = QStringLiteral("This record is no longer in the file; it was deleted meanwhile.");
inline const QString MakingIndex = QStringLiteral("Making the search index of the records…");
} // namespace DowsingFindTexts

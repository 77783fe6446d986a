#pragma once

#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <memory>

class QTextDocument;
class QTextEdit;

// The all-records grid: every dowsing record, one row each, read-only. A double click opens the current row
// on the record sheet.
class frmDowsingAllRecord : public DowsingChildWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("dowsing.html#grid"); }
    frmDowsingAllRecord();
    ~frmDowsingAllRecord() override;

    void onLoad() override;
    void onUnload() override;
    QList<QAction*> frameMenuItems() const override;

    // Going back: shows the wizard and unloads the grid, so that the next opening reads the file afresh.
    void backToWizard();
    // Opens the grid's current row on the record sheet.
    void openCurrentRecord();

    // After a change or removal: the grid, if loaded, goes back, and the wizard opens it again afresh.
    static void Rebuild();

    DowsingGridModel* model() const { return model_.get(); }
    QTableView* recordsGrid() const { return recordsGrid_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Rows could not be read: says why, and reads them again if the user chooses Retry.
    void sayUnreadRecords(const StoreError& error);
    // After the records changed: the grid responds when it has rows, and stays near the row it was on.
    void followRecords();

    QFrame* recordsFrame_;
    QLabel* titleLabel_;
    QLabel* gridCaption_;
    QTableView* recordsGrid_;
    QLabel* instructionsLabel_;
    QPushButton* backButton_;
    QMenu* fileMenu_;
    QAction* printItem_;
    QAction* backItem_;

    int rowBeforeChange_ = 0;
    std::unique_ptr<DowsingStore> store_;
    std::unique_ptr<DowsingGridModel> model_;
};

// The sheet text of a record as the grid writes it into the box: cleared first, every paragraph in bold.
void WriteSheetText(QTextEdit* box, const DowsingRecord& record);
void WriteSheetText(QTextDocument* document, const DowsingRecord& record);

// Opens a record on the record sheet as a double click on the grid does: writes the sheet, sets the selection
// (`rowIndex` is the record's position in table order), hides `from` if given and shows the sheet at the
// frame's top-left corner.
void OpenOnRecordSheet(const DowsingRecord& record, qint64 rowIndex, Form* from);

namespace DowsingGridMessages {
QString NoRecord();
QString Instructions();
} // namespace DowsingGridMessages

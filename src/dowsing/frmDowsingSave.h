#pragma once

#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"

#include <QTextEdit>
#include <memory>

// The sheet's text box. Text can be selected (to print a part of it) but never carried out of the sheet:
// copying, cutting and dragging give nothing, and the clipboard keeps whatever the user put there elsewhere.
class SheetTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit SheetTextBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
};

// The record sheet: one dowsing record as a page of labelled text, to save, print, edit or delete.
class frmDowsingSave : public DowsingChildWindow {
    Q_OBJECT
  public:
    QString manualPage() const override { return QStringLiteral("dowsing.html#sheet"); }
    frmDowsingSave();
    ~frmDowsingSave() override;

    void onUnload() override;

    // The record as a page of labelled text; the grid writes it, the Tools menu previews it.
    SheetTextBox* sheetText() const { return sheetText_; }

    // Writes a record on the sheet; `row` is its place in table order, as the grid counts rows. Edit and Delete
    // act on this record, by its number, whatever the grid shows by then.
    void ShowRecord(const DowsingRecord& record, qint64 row);
    const DowsingRecord& shownRecord() const { return shown_; }
    qint64 shownRow() const { return shownRow_; }

  private:
    void backToGrid();
    void saveSheet();
    void printSheet();
    void editRecord();
    void deleteRecord();

    // Replaces the sheet's own access to the file, as every Edit and Delete does.
    DowsingStore& openSheetStore();
    // Hides the sheet and has the grid read afresh.
    void backToFreshGrid();

    SheetTextBox* sheetText_;
    DowsingRecord shown_;
    qint64 shownRow_ = 0;
    std::unique_ptr<DowsingStore> store_;
};

namespace DowsingSheetMessages {
QString SaveFilter();
QString NoRecordToEdit();
QString RecordNotFound();
QString NoRecordToDelete();
QString ConfirmDelete();
QString Deleted();
QString NotSaved(const QString& path, const QString& reason);
QString NotPrinted(const QString& where);
QString NotDeleted(const QString& reason);
QString NotRead(const QString& reason);
} // namespace DowsingSheetMessages

#pragma once

#include "commands/CsvImport.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// Tools > Import … from CSV: the file's first rows as they will be stored, a column of the file for each field of
// the table, the file's format and its dates, then the whole file in one go or nothing. A tool gives its table and
// hears of what was imported, for Undo.
class frmImportCsv : public QDialog {
    Q_OBJECT
  public:
    using ImportedHandler = std::function<void(std::shared_ptr<CsvImport::Imported>)>;

    frmImportCsv(CsvImport::Target target, QString path, ImportedHandler imported, QWidget* parent = nullptr);

    // Asks for a file (the open-file seam) and shows a window of its own over it; null when the user chose none.
    static frmImportCsv* ChooseAndShow(const CsvImport::Target& target, const ImportedHandler& imported,
                                       QWidget* parent);
    // Takes an import out again as a whole, asking first when some of its rows were changed or removed since: the
    // changed ones are kept. True when the import is done with (undone, or nothing of it left to undo).
    static bool UndoImport(const CsvImport::Imported& imported, QWidget* parent);
    // Undo's caption for an import, naming its file.
    static QString UndoCaption(const QString& fileName);
    static QString UndoImportCaption();

    // How many of the file's rows the preview shows.
    static constexpr int PreviewRows = 20;

    CsvImport::Choices choices() const;
    // Imports the whole file as the window's controls say; what came of it is said in the window.
    void import();

  private:
    // Reads the file's first rows again in the format the controls give.
    void readPreview();
    // Each field's column from the header, the first date form that reads every date shown, and whether the rows
    // shown are stored already.
    void guessColumnsAndDates();
    void showPreview();
    void say(const QString& text);

    CsvImport::Target target_;
    QString path_;
    ImportedHandler imported_;
    QSet<quint64> stored_;
    QStringList header_;
    QList<Csv::Row> previewRows_;
    int columnCount_ = 0;
    // The controls being filled by the program, not changed by the user.
    bool filling_ = false;

    QComboBox* separatorList_;
    QComboBox* quoteList_;
    QComboBox* encodingList_;
    QComboBox* dateFormList_;
    QCheckBox* headerBox_;
    QList<QComboBox*> columnLists_;
    QTableWidget* preview_;
    QCheckBox* leaveOutStoredBox_;
    QLabel* problemsLabel_;
    QListWidget* problems_;
    QLabel* result_;
    QPushButton* importButton_;
    QPushButton* cancelButton_;
};

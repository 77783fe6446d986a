#include "commands/frmImportCsv.h"

#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Enough of the file for its format to be guessed, and far less than the preview would take of a large one.
constexpr qint64 kGuessBytes = qint64(64) * 1024;
// The fields' column lists stand in rows of so many.
constexpr int kColumnListsPerRow = 3;

// A progress bar with Cancel over the window while a pass over the file runs, shown once the pass has taken half a
// second; the windows are redrawn meanwhile and take no other input.
class PassProgress {
  public:
    PassProgress(const QString& label, QWidget* parent)
        : dialog_(label, frmImportCsv::tr("Cancel"), 0, kSteps, parent) {
        dialog_.setObjectName(QStringLiteral("dlgImportProgress"));
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.setValue(0);
    }

    CsvImport::Progress progress() {
        return [this](qint64 done, qint64 total) {
            dialog_.setValue(total > 0 ? int(std::min<qint64>(kSteps, done * kSteps / total)) : 0);
            QCoreApplication::processEvents();
            return !dialog_.wasCanceled();
        };
    }

  private:
    static constexpr int kSteps = 1000;
    const Windows::NestedLoop running_;
    QProgressDialog dialog_;
};

QString fieldText(const QVariant& value, bool date) {
    if (!date || value.isNull()) {
        return value.toString();
    }
    // As the user reads a date, with the month in words: a day and month taken the wrong way round shows at once.
    return QLocale().toString(QDate::fromString(value.toString(), Qt::ISODate), QLocale::LongFormat);
}

} // namespace

frmImportCsv::frmImportCsv(CsvImport::Target target, QString path, ImportedHandler imported, QWidget* parent)
    : QDialog(parent), target_(std::move(target)), path_(std::move(path)), imported_(std::move(imported)) {
    setObjectName(QStringLiteral("frmImportCsv"));
    setAttribute(Qt::WA_DeleteOnClose);
    //: The import window's title: what the rows go into, and the file.
    setWindowTitle(tr("Import into %1 – %2").arg(target_.title, QFileInfo(path_).fileName()));
    auto* column = new QVBoxLayout(this);
    auto* file =
        named(new QLabel(tr("File: %1").arg(QDir::toNativeSeparators(path_)), this), QStringLiteral("lblFile"));
    file->setTextFormat(Qt::PlainText);
    column->addWidget(file);

    auto* format = named(new QGroupBox(tr("File format"), this), QStringLiteral("grpFormat"));
    auto* formatGrid = new QGridLayout(format);
    separatorList_ = named(new QComboBox(format), QStringLiteral("cmbSeparator"));
    separatorList_->addItem(tr("Comma"), QChar(QLatin1Char(',')));
    separatorList_->addItem(tr("Semicolon"), QChar(QLatin1Char(';')));
    separatorList_->addItem(tr("Tab"), QChar(QLatin1Char('\t')));
    quoteList_ = named(new QComboBox(format), QStringLiteral("cmbQuote"));
    quoteList_->addItem(tr("Double quote (\")"), QChar(QLatin1Char('"')));
    quoteList_->addItem(tr("Single quote (')"), QChar(QLatin1Char('\'')));
    quoteList_->addItem(tr("None"), QChar());
    encodingList_ = named(new QComboBox(format), QStringLiteral("cmbEncoding"));
    encodingList_->addItem(QStringLiteral("UTF-8"), int(Csv::Encoding::Utf8));
    encodingList_->addItem(tr("UTF-8 with BOM"), int(Csv::Encoding::Utf8Bom));
    encodingList_->addItem(tr("UTF-16 LE with BOM"), int(Csv::Encoding::Utf16LE));
    encodingList_->addItem(tr("UTF-16 BE with BOM"), int(Csv::Encoding::Utf16BE));
    encodingList_->addItem(QStringLiteral("Windows-1252"), int(Csv::Encoding::Windows1252));
    dateFormList_ = named(new QComboBox(format), QStringLiteral("cmbDateForm"));
    const QStringList forms = Csv::DateForms();
    for (qsizetype i = 0; i < forms.size(); ++i) {
        // The user's own form first, said so.
        dateFormList_->addItem(i == 0 ? tr("%1 (your short date)").arg(forms.at(i)) : forms.at(i), forms.at(i));
    }
    headerBox_ = named(new QCheckBox(tr("First row &names the columns"), format), QStringLiteral("chkHeader"));
    const auto addPair = [format, formatGrid](const QString& caption, QWidget* list, int row, int pair) {
        auto* label = new QLabel(caption, format);
        label->setBuddy(list);
        formatGrid->addWidget(label, row, pair * 2);
        formatGrid->addWidget(list, row, pair * 2 + 1);
    };
    addPair(tr("&Separator:"), separatorList_, 0, 0);
    addPair(tr("&Quotes:"), quoteList_, 0, 1);
    addPair(tr("&Encoding:"), encodingList_, 1, 0);
    addPair(tr("&Dates:"), dateFormList_, 1, 1);
    formatGrid->addWidget(headerBox_, 2, 0, 1, 4);
    formatGrid->setColumnStretch(1, 1);
    formatGrid->setColumnStretch(3, 1);
    column->addWidget(format);

    auto* fields = named(new QGroupBox(tr("Column of the file for each field"), this), QStringLiteral("grpColumns"));
    auto* fieldGrid = new QGridLayout();
    for (int i = 0; i < int(target_.fields.size()); ++i) {
        auto* list = named(new QComboBox(fields), QStringLiteral("cmbColumn_%1").arg(i));
        auto* label = new QLabel(target_.fields.at(i).caption + QLatin1Char(':'), fields);
        label->setBuddy(list);
        const int pair = i % kColumnListsPerRow;
        fieldGrid->addWidget(label, i / kColumnListsPerRow, pair * 2);
        fieldGrid->addWidget(list, i / kColumnListsPerRow, pair * 2 + 1);
        fieldGrid->setColumnStretch(pair * 2 + 1, 1);
        columnLists_ << list;
    }
    fields->setLayout(fieldGrid);
    column->addWidget(fields);

    auto* previewLabel = new QLabel(tr("The first rows, as they will be &stored:"), this);
    preview_ = named(new QTableWidget(0, int(target_.fields.size()), this), QStringLiteral("tblPreview"));
    previewLabel->setBuddy(preview_);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setTabKeyNavigation(false);
    // A date in words and a long text keep to one line, as the grid shows them.
    preview_->setWordWrap(false);
    QStringList captions;
    for (const CsvImport::Field& field : target_.fields) {
        captions << field.caption;
    }
    preview_->setHorizontalHeaderLabels(captions);
    column->addWidget(previewLabel);
    column->addWidget(preview_, 1);

    leaveOutStoredBox_ =
        named(new QCheckBox(tr("&Leave out rows that are stored already (every field the same)"), this),
              QStringLiteral("chkLeaveOutStored"));
    column->addWidget(leaveOutStoredBox_);
    problemsLabel_ =
        named(new QLabel(tr("&Lines that cannot be stored as they stand:"), this), QStringLiteral("lblProblems"));
    problems_ = named(new QListWidget(this), QStringLiteral("lstProblems"));
    problemsLabel_->setBuddy(problems_);
    problemsLabel_->hide();
    problems_->hide();
    column->addWidget(problemsLabel_);
    column->addWidget(problems_);
    result_ = named(new QLabel(this), QStringLiteral("lblResult"));
    result_->setWordWrap(true);
    result_->setTextFormat(Qt::PlainText);
    column->addWidget(result_);

    auto* buttons = new QDialogButtonBox(this);
    importButton_ = named(buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole), QStringLiteral("cmdImport"));
    cancelButton_ = named(buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole), QStringLiteral("cmdCancel"));
    importButton_->setDefault(true);
    column->addWidget(buttons);

    // The format as guessed from the file's first bytes, the columns from its header.
    QByteArray first;
    if (QFile in(path_); in.open(QIODevice::ReadOnly)) {
        first = in.read(kGuessBytes);
    }
    QList<QStringList> names;
    for (const CsvImport::Field& field : target_.fields) {
        names << field.names;
    }
    const Csv::Format guessed = Csv::Guess(first, names);
    filling_ = true;
    separatorList_->setCurrentIndex(std::max(0, separatorList_->findData(guessed.separator)));
    quoteList_->setCurrentIndex(std::max(0, quoteList_->findData(guessed.quote)));
    encodingList_->setCurrentIndex(std::max(0, encodingList_->findData(int(guessed.encoding))));
    headerBox_->setChecked(guessed.header);
    filling_ = false;
    if (const StoreResult<QSet<quint64>> stored = CsvImport::StoredRows(target_); stored) {
        stored_ = *stored;
    }
    readPreview();
    guessColumnsAndDates();
    showPreview();
    resize(900, 640);

    for (QComboBox* list : {separatorList_, quoteList_, encodingList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) {
                readPreview();
                guessColumnsAndDates();
                showPreview();
            }
        });
    }
    connect(headerBox_, &QCheckBox::toggled, this, [this] {
        if (!filling_) {
            readPreview();
            guessColumnsAndDates();
            showPreview();
        }
    });
    connect(dateFormList_, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) {
            showPreview();
        }
    });
    for (QComboBox* list : std::as_const(columnLists_)) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) {
                showPreview();
            }
        });
    }
    connect(importButton_, &QPushButton::clicked, this, &frmImportCsv::import);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

frmImportCsv* frmImportCsv::ChooseAndShow(const CsvImport::Target& target, const ImportedHandler& imported,
                                          QWidget* parent) {
    const QString path = ChooseOpenFile(tr("Import from CSV"), Remembered::LastFolder(), parent);
    if (path.isEmpty()) {
        return nullptr;
    }
    Remembered::SetLastFolder(QFileInfo(path).absolutePath());
    auto* window = new frmImportCsv(target, path, imported, parent);
    window->setWindowFlag(Qt::Window);
    window->show();
    return window;
}

QString frmImportCsv::UndoCaption(const QString& fileName) {
    return tr("&Undo Import of “%1”").arg(QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

QString frmImportCsv::UndoImportCaption() {
    return tr("U&ndo Import");
}

CsvImport::Choices frmImportCsv::choices() const {
    CsvImport::Choices choices;
    choices.format.separator = separatorList_->currentData().toChar();
    choices.format.quote = quoteList_->currentData().toChar();
    choices.format.encoding = Csv::Encoding(encodingList_->currentData().toInt());
    choices.format.header = headerBox_->isChecked();
    for (const QComboBox* list : columnLists_) {
        choices.columns << list->currentData().toInt();
    }
    choices.dateForm = dateFormList_->currentData().toString();
    choices.leaveOutStored = leaveOutStoredBox_->isChecked();
    return choices;
}

void frmImportCsv::readPreview() {
    header_.clear();
    previewRows_.clear();
    columnCount_ = 0;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        say(tr("The file %1 could not be read: %2").arg(QDir::toNativeSeparators(path_), file.errorString()));
        return;
    }
    Csv::Reader reader(&file, choices().format);
    header_ = reader.header();
    columnCount_ = int(header_.size());
    Csv::Row row;
    while (previewRows_.size() < PreviewRows && reader.next(row)) {
        columnCount_ = std::max(columnCount_, int(row.fields.size()));
        previewRows_ << row;
    }
}

void frmImportCsv::guessColumnsAndDates() {
    filling_ = true;
    QList<QStringList> names;
    for (const CsvImport::Field& field : target_.fields) {
        names << field.names;
    }
    // Without a header, the file's columns are taken in the table's order, as our own export writes them.
    QList<int> matched = header_.isEmpty() ? QList<int>() : Csv::MatchColumns(header_, names);
    for (qsizetype i = 0; i < columnLists_.size(); ++i) {
        QComboBox* list = columnLists_.at(i);
        list->clear();
        list->addItem(tr("(none)"), -1);
        for (int c = 0; c < columnCount_; ++c) {
            const QString name = header_.value(c);
            list->addItem(name.isEmpty() ? tr("Column %1").arg(c + 1)
                                         : tr("%1 (column %2)").arg(name, QString::number(c + 1)),
                          c);
        }
        const int chosen = header_.isEmpty() ? (i < columnCount_ ? int(i) : -1) : matched.value(i, -1);
        list->setCurrentIndex(std::max(0, list->findData(chosen)));
    }
    // The form that reads the most rows shown, the first of them when several do as well: the user's own when no
    // form reads any, and a wrong date or two does not turn the choice.
    CsvImport::Choices tried = choices();
    int form = 0;
    qsizetype bestRead = -1;
    for (int f = 0; f < dateFormList_->count(); ++f) {
        tried.dateForm = dateFormList_->itemData(f).toString();
        const qsizetype read = std::count_if(previewRows_.cbegin(), previewRows_.cend(), [&](const Csv::Row& row) {
            Csv::Row clean = row;
            clean.fault.clear();
            return CsvImport::Convert(target_, tried, clean).fault.isEmpty();
        });
        if (read > bestRead) {
            bestRead = read;
            form = f;
        }
    }
    dateFormList_->setCurrentIndex(form);
    // A file whose rows are found stored already is most likely being imported a second time.
    tried.dateForm = dateFormList_->currentData().toString();
    const bool seen = std::any_of(previewRows_.cbegin(), previewRows_.cend(), [&](const Csv::Row& row) {
        const CsvImport::Converted converted = CsvImport::Convert(target_, tried, row);
        return converted.fault.isEmpty() && stored_.contains(CsvImport::RowHash(converted.values));
    });
    leaveOutStoredBox_->setChecked(seen);
    filling_ = false;
}

void frmImportCsv::showPreview() {
    const CsvImport::Choices now = choices();
    preview_->setRowCount(int(previewRows_.size()));
    QStringList lines;
    for (int r = 0; r < int(previewRows_.size()); ++r) {
        const Csv::Row& row = previewRows_.at(r);
        lines << QString::number(row.line);
        const CsvImport::Converted converted = CsvImport::Convert(target_, now, row);
        for (int f = 0; f < int(target_.fields.size()); ++f) {
            auto* cell = new QTableWidgetItem(fieldText(converted.values.value(f), target_.fields.at(f).date));
            if (!converted.fault.isEmpty()) {
                cell->setToolTip(converted.fault);
                cell->setForeground(QColor(160, 0, 0));
            }
            preview_->setItem(r, f, cell);
        }
    }
    preview_->setVerticalHeaderLabels(lines);
    preview_->resizeColumnsToContents();
    // A long note would otherwise push every other field out of sight.
    constexpr int kWidest = 320;
    for (int c = 0; c < preview_->columnCount(); ++c) {
        preview_->setColumnWidth(c, std::min(preview_->columnWidth(c), kWidest));
    }
}

void frmImportCsv::say(const QString& text) {
    result_->setText(text);
}

void frmImportCsv::import() {
    const CsvImport::Choices chosen = choices();
    if (std::all_of(chosen.columns.cbegin(), chosen.columns.cend(), [](int c) { return c < 0; })) {
        MsgBox(tr("Choose the file's column for at least one field."), MsgButtons::Ok, MsgIcon::Information, this);
        return;
    }
    problems_->clear();
    problemsLabel_->hide();
    problems_->hide();
    std::optional<CsvImport::Scan> scan;
    QString failure;
    {
        PassProgress shown(tr("Reading %1…").arg(QFileInfo(path_).fileName()), this);
        scan = CsvImport::ScanFile(path_, target_, chosen, failure, shown.progress());
    }
    if (!scan) {
        say(tr("The import was cancelled; nothing was stored."));
        return;
    }
    if (!failure.isEmpty()) {
        say(failure);
        MsgBox(failure, MsgButtons::Ok, MsgIcon::Critical, this);
        return;
    }
    if (scan->faulty > 0) {
        for (const CsvImport::Fault& fault : std::as_const(scan->faults)) {
            problems_->addItem(tr("Line %1: %2").arg(QString::number(fault.line), fault.reason));
        }
        if (scan->faulty > scan->faults.size()) {
            problems_->addItem(tr("… %1 more").arg(scan->faulty - scan->faults.size()));
        }
        problemsLabel_->show();
        problems_->show();
        const QString question =
            tr("Lines of the file that cannot be stored as they stand: %1. The window lists them with the reason.")
                .arg(scan->faulty) +
            QStringLiteral("\r\n\r\n") +
            tr("Leave them out and import the other rows? No stops the import, and nothing is stored.");
        if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, this) != MsgResult::Yes) {
            say(tr("The import was stopped; nothing was stored."));
            return;
        }
    }
    bool stopped = false;
    StoreResult<CsvImport::Outcome> outcome = StoreError{};
    for (;;) {
        {
            PassProgress shown(tr("Importing %1…").arg(QFileInfo(path_).fileName()), this);
            outcome = CsvImport::ImportFile(path_, target_, chosen, shown.progress(), &stopped);
        }
        if (outcome || stopped || !StoreFailureRetry(StoreFailureText(outcome.error()), outcome.error(), this)) {
            break;
        }
    }
    if (!outcome) {
        say(stopped ? tr("The import was cancelled; nothing was stored.") : outcome.error().text());
        return;
    }
    QStringList said{tr("Rows added: %1.").arg(outcome->added)};
    if (outcome->stored > 0) {
        said << tr("Left out as stored already: %1.").arg(outcome->stored);
    }
    if (outcome->faulty > 0) {
        said << tr("Left out as they could not be stored: %1.").arg(outcome->faulty);
    }
    say(said.join(QLatin1Char(' ')));
    importButton_->setEnabled(false);
    cancelButton_->setText(tr("&Close"));
    cancelButton_->setFocus();
    for (QWidget* control : findChildren<QGroupBox*>()) {
        control->setEnabled(false);
    }
    leaveOutStoredBox_->setEnabled(false);
    if (outcome->added > 0 && imported_) {
        imported_(outcome->imported);
    }
}

bool frmImportCsv::UndoImport(const CsvImport::Imported& imported, QWidget* parent) {
    bool stopped = false;
    StoreResult<CsvImport::Standing> look = StoreError{};
    for (;;) {
        {
            PassProgress shown(tr("Looking at the rows imported from %1…").arg(imported.fileName), parent);
            look = CsvImport::Look(imported, shown.progress(), &stopped);
        }
        if (look || stopped || !StoreFailureRetry(StoreFailureText(look.error()), look.error(), parent)) {
            break;
        }
    }
    if (!look) {
        return false;
    }
    if (look->unchanged == 0) {
        MsgBox(tr("None of the rows imported from %1 is as it was imported: each was changed or removed since. "
                  "Nothing was removed.")
                   .arg(imported.fileName),
               MsgButtons::Ok, MsgIcon::Information, parent);
        return true;
    }
    if (look->changed > 0 || look->gone > 0) {
        //: The numbers of rows imported, changed since and removed since, the file, and the number unchanged.
        const QString question =
            tr("Rows imported from %4: %1. Changed since: %2; removed since: %3.\r\n\r\nRemove the "
               "%5 that are still as they were imported, and keep the changed ones?")
                .arg(QString::number(imported.added()), QString::number(look->changed), QString::number(look->gone),
                     imported.fileName, QString::number(look->unchanged));
        if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
            return false;
        }
    }
    StoreResult<CsvImport::Standing> undone = StoreError{};
    for (;;) {
        {
            PassProgress shown(tr("Removing the rows imported from %1…").arg(imported.fileName), parent);
            undone = CsvImport::Undo(imported, shown.progress(), &stopped);
        }
        if (undone || stopped || !StoreFailureRetry(StoreFailureText(undone.error()), undone.error(), parent)) {
            break;
        }
    }
    if (!undone) {
        return false;
    }
    if (undone->changed > look->changed) {
        // Changed by someone else between the look and the removal: kept, and said.
        MsgBox(tr("Rows changed meanwhile, and kept: %1.").arg(undone->changed), MsgButtons::Ok, MsgIcon::Information,
               parent);
    }
    return true;
}

#include "dowsing/frmDowsingSave.h"

#include "core/Application.h"
#include "data/WholeFile.h"
#include "dowsing/RtfWriter.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace DowsingSheetMessages {
QString SaveFilter() {
    return frmDowsingSave::tr("Rich Text Format | *.rtf ");
}

QString NoRecordToEdit() {
    return frmDowsingSave::tr("There Is No Record to Edit");
}

QString RecordNotFound() {
    return frmDowsingSave::tr("Sorry The Given Record Is Not Found");
}

QString NoRecordToDelete() {
    return frmDowsingSave::tr("There Is No Record to Delete");
}

QString ConfirmDelete() {
    return frmDowsingSave::tr("Do You Really Want To Delete This Record ?");
}

QString Deleted() {
    return frmDowsingSave::tr("Record Deleted Succesfully !");
}

QString NotPrinted(const QString& where) {
    return frmDowsingSave::tr("The sheet could not be printed to %1.").arg(QDir::toNativeSeparators(where));
}

QString NotSaved(const QString& path, const QString& reason) {
    return frmDowsingSave::tr("The sheet could not be saved as %1.\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString NotDeleted(const QString& reason) {
    return frmDowsingSave::tr("The record was not deleted.\r\n%1").arg(reason);
}

QString NotRead(const QString& reason) {
    return frmDowsingSave::tr("The record could not be read.\r\n%1").arg(reason);
}
} // namespace DowsingSheetMessages

namespace Msg = DowsingSheetMessages;

SheetTextBox::SheetTextBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
}

void SheetTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void SheetTextBox::contextMenuEvent(QContextMenuEvent* event) {
    // Its only useful items would copy the text out.
    event->accept();
}

QMimeData* SheetTextBox::createMimeDataFromSelection() const {
    // What a drag out of the sheet carries: nothing.
    return new QMimeData;
}

frmDowsingSave::frmDowsingSave() {
    setObjectName(QStringLiteral("frmDowsingSave"));
    setWindowTitle(QStringLiteral("Quarrow"));
    setFont(Look::Verdana(8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);

    sheetText_ = new SheetTextBox(client);
    sheetText_->setObjectName(QStringLiteral("RTB"));
    sheetText_->setAccessibleName(tr("Record sheet"));
    QPalette sheet = sheetText_->palette();
    sheet.setColor(QPalette::Base, Look::Cream);
    sheet.setColor(QPalette::Text, Qt::black);
    sheetText_->setPalette(sheet);
    sheetText_->setFont(Look::Verdana(9.75));
    sheetText_->setMinimumSize(760, 400);
    column->addWidget(sheetText_, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto button = [this, client, row](const QString& name, const QString& caption, void (frmDowsingSave::*act)()) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(name);
        b->setFont(Look::Verdana(8.25, true));
        b->setMinimumHeight(34);
        row->addWidget(b);
        connect(b, &QPushButton::clicked, this, act);
    };
    button(QStringLiteral("cmddelete"), tr("&Delete This Dowsing Record"), &frmDowsingSave::deleteRecord);
    button(QStringLiteral("cmdedit"), tr("&Edit This Dowsing Record"), &frmDowsingSave::editRecord);
    button(QStringLiteral("cmdSave"), tr("&Save"), &frmDowsingSave::saveSheet);
    button(QStringLiteral("cmdPrint"), tr("&Print"), &frmDowsingSave::printSheet);
    button(QStringLiteral("cmdBack"), tr("&Back"), &frmDowsingSave::backToGrid);
    column->addLayout(row);
}

frmDowsingSave::~frmDowsingSave() = default;

void frmDowsingSave::ShowRecord(const DowsingRecord& record, qint64 row) {
    WriteSheetText(sheetText_, record);
    shown_ = record;
    shownRow_ = row;
}

void frmDowsingSave::onUnload() {
    store_.reset();
}

DowsingStore& frmDowsingSave::openSheetStore() {
    store_ = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    return *store_;
}

void frmDowsingSave::backToFreshGrid() {
    Windows::HideForm(this);
    frmDowsingAllRecord::Rebuild();
}

void frmDowsingSave::backToGrid() {
    Windows::HideForm(this);
    if (frmDowsingAllRecord* grid = Windows::Show<frmDowsingAllRecord>()) {
        grid->MoveToTopLeft();
    }
}

void frmDowsingSave::saveSheet() {
    SaveFileRequest request;
    request.title = ApplicationTitle();
    request.filter = Msg::SaveFilter();
    request.defaultSuffix = QStringLiteral("txt");
    request.confirmOverwrite = true;
    const QString path = ChooseSaveFile(request, this);
    if (path.isEmpty()) {
        return;
    }
    const QString why = WriteFileWhole(
        path, DocumentToRtf(*sheetText_->document(), sheetText_->font().family(), sheetText_->font().pointSizeF()));
    if (!why.isEmpty()) {
        MsgBox(Msg::NotSaved(path, why), MsgButtons::Ok, MsgIcon::Critical, this);
    }
}

void frmDowsingSave::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    PrintRequest request;
    request.selectionAvailable = sheetText_->textCursor().hasSelection();
    if (!ChoosePrinter(printer, request, this)) {
        return;
    }
    // The box prints only its selection when the printer's range says so.
    sheetText_->print(&printer);
    // Printing to a file in a folder that takes none fails inside the painter, which says nothing of it.
    if (printer.printerState() == QPrinter::Error) {
        MsgBox(Msg::NotPrinted(printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName()),
               MsgButtons::Ok, MsgIcon::Critical, this);
    }
}

void frmDowsingSave::editRecord() {
    DowsingStore& store = openSheetStore();
    frmDowsingMain* wizard = Windows::Show<frmDowsingMain>();
    Windows::HideForm(this);
    if (!wizard) {
        return;
    }
    wizard->PrepareForEdit();
    if (const StoreResult<qint64> rows = store.count(); rows && *rows == 0) {
        MsgBox(Msg::NoRecordToEdit(), MsgButtons::Ok, MsgIcon::None, wizard);
        wizard->EditFoundNoRecord();
        return;
    }
    const StoreResult<DowsingRecord> found = store.find(shown_.IdNumber);
    if (found) {
        wizard->FillForUpdate(*found);
        return;
    }
    if (found.error().cause == StoreCause::NoSuchRow) {
        // The wizard keeps its mode: there is nothing to write back.
        MsgBox(Msg::RecordNotFound(), MsgButtons::Ok, MsgIcon::None, wizard);
    } else {
        MsgBox(Msg::NotRead(found.error().text()), MsgButtons::Ok, MsgIcon::Critical, wizard);
    }
    wizard->EditFoundNoRecord();
}

void frmDowsingSave::deleteRecord() {
    DowsingStore& store = openSheetStore();
    if (const StoreResult<qint64> rows = store.count(); rows && *rows == 0) {
        MsgBox(Msg::NoRecordToDelete(), MsgButtons::Ok, MsgIcon::None, this);
        backToFreshGrid();
        return;
    }
    if (MsgBox(Msg::ConfirmDelete(), MsgButtons::YesNo, MsgIcon::None, this) != MsgResult::Yes) {
        return;
    }
    // The record this sheet shows, by its number, whatever now stands where it stood.
    StoreResult<KeptRow> removed = store.removeKept(shown_.IdNumber, shown_);
    if (!removed && removed.error().cause == StoreCause::Changed) {
        // Someone else saved it since this sheet was shown: deleted only if the user still wants it gone.
        if (MsgBox(removed.error().what + tr(".\r\nDelete it all the same?"), MsgButtons::YesNo, MsgIcon::Information,
                   this) != MsgResult::Yes) {
            backToFreshGrid();
            return;
        }
        removed = store.removeKept(shown_.IdNumber);
    }
    // A removal whose outcome the server did not say: Retry looks again, and removes it only if it is still there.
    while (!removed && removed.error().cause == StoreCause::Unknown &&
           StoreFailureRetry(StoreFailureText(removed.error()), removed.error(), this)) {
        removed = store.removeKept(shown_.IdNumber, shown_);
    }
    if (removed) {
        // The frame's Undo can put it back for as long as the frame is open.
        if (auto* frame = Windows::Loaded<MDIDowsingForm1>()) {
            frame->NoteDeleted(*removed);
        }
        MsgBox(Msg::Deleted(), MsgButtons::Ok, MsgIcon::Information, this);
        backToFreshGrid();
    } else if (removed.error().cause == StoreCause::NoSuchRow) {
        MsgBox(Msg::RecordNotFound(), MsgButtons::Ok, MsgIcon::None, this);
        backToFreshGrid();
    } else if (removed.error().cause != StoreCause::Unknown) {
        MsgBox(Msg::NotDeleted(removed.error().text()), MsgButtons::Ok, MsgIcon::Critical, this);
    }
}

#include "dowsing/frmDowsingSave.h"

#include "common/Application.h"
#include "common/FileDialogs.h"
#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/WholeFile.h"
#include "common/Windows.h"
#include "dowsing/DowsingSelection.h"
#include "dowsing/RtfWriter.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QSaveFile>
#include <QVBoxLayout>

namespace DowsingSheetMessages {
QString NotSaved(const QString& path, const QString& reason) {
    return QStringLiteral("The sheet could not be saved as %1.\r\n").arg(QDir::toNativeSeparators(path)) + reason;
}

QString NotDeleted(const QString& reason) {
    return QStringLiteral("The record was not deleted.\r\n") + reason;
}

QString NotRead(const QString& reason) {
    return QStringLiteral("The record could not be read.\r\n") + reason;
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

    RTB = new SheetTextBox(client);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Record sheet"));
    QPalette sheet = RTB->palette();
    sheet.setColor(QPalette::Base, Look::Cream);
    sheet.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(sheet);
    RTB->setFont(Look::Verdana(9.75));
    RTB->setMinimumSize(760, 400);
    column->addWidget(RTB, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto button = [client, row](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(name);
        b->setFont(Look::Verdana(8.25, true));
        b->setMinimumHeight(34);
        row->addWidget(b);
        return b;
    };
    cmddelete = button(QStringLiteral("cmddelete"), QStringLiteral("&Delete This Dowsing Record"));
    cmdedit = button(QStringLiteral("cmdedit"), QStringLiteral("&Edit This Dowsing Record"));
    cmdSave = button(QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    cmdPrint = button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdBack = button(QStringLiteral("cmdBack"), QStringLiteral("&Back"));
    column->addLayout(row);

    connect(cmddelete, &QPushButton::clicked, this, &frmDowsingSave::cmddelete_Click);
    connect(cmdedit, &QPushButton::clicked, this, &frmDowsingSave::cmdedit_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmDowsingSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDowsingSave::cmdPrint_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmDowsingSave::cmdBack_Click);
}

frmDowsingSave::~frmDowsingSave() = default;

void frmDowsingSave::Form_Unload() {
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

void frmDowsingSave::cmdBack_Click() {
    Windows::HideForm(this);
    if (frmDowsingAllRecord* grid = Windows::Show<frmDowsingAllRecord>()) {
        grid->MoveToTopLeft();
    }
}

void frmDowsingSave::cmdSave_Click() {
    SaveFileRequest request;
    request.title = ApplicationTitle();
    request.filter = Msg::SaveFilter;
    request.defaultSuffix = QStringLiteral("txt");
    request.confirmOverwrite = true;
    const QString path = ChooseSaveFile(request, this);
    if (path.isEmpty()) {
        return;
    }
    const QString why =
        WriteFileWhole(path, DocumentToRtf(*RTB->document(), RTB->font().family(), RTB->font().pointSizeF()));
    if (!why.isEmpty()) {
        MsgBox(Msg::NotSaved(path, why), MsgButtons::Ok, MsgIcon::Critical, this);
    }
}

void frmDowsingSave::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    PrintRequest request;
    request.selectionAvailable = RTB->textCursor().hasSelection();
    if (!ChoosePrinter(printer, request, this)) {
        return;
    }
    // The box prints only its selection when the printer's range says so.
    RTB->print(&printer);
}

void frmDowsingSave::cmdedit_Click() {
    DowsingStore& store = openSheetStore();
    frmDowsingMain* wizard = Windows::Show<frmDowsingMain>();
    Windows::HideForm(this);
    if (!wizard) {
        return;
    }
    wizard->PrepareForEdit();
    if (const StoreResult<qint64> rows = store.count(); rows && *rows == 0) {
        MsgBox(Msg::NoRecordToEdit, MsgButtons::Ok, MsgIcon::None, wizard);
        wizard->EditFoundNoRecord();
        return;
    }
    const StoreResult<DowsingRecord> found = store.find(CurrentDowsingSelection().SelectedRecordId);
    if (found) {
        wizard->FillForUpdate(*found);
        return;
    }
    if (found.error().cause == StoreCause::NoSuchRow) {
        // The wizard keeps its mode: there is nothing to write back.
        MsgBox(Msg::RecordNotFound, MsgButtons::Ok, MsgIcon::None, wizard);
    } else {
        MsgBox(Msg::NotRead(found.error().text()), MsgButtons::Ok, MsgIcon::Critical, wizard);
    }
    wizard->EditFoundNoRecord();
}

void frmDowsingSave::cmddelete_Click() {
    DowsingStore& store = openSheetStore();
    if (const StoreResult<qint64> rows = store.count(); rows && *rows == 0) {
        MsgBox(Msg::NoRecordToDelete, MsgButtons::Ok, MsgIcon::None, this);
        backToFreshGrid();
        return;
    }
    if (MsgBox(Msg::ConfirmDelete, MsgButtons::YesNo, MsgIcon::None, this) != MsgResult::Yes) {
        return;
    }
    // The record this sheet shows, by its number, whatever now stands where it stood.
    const StoreStatus removed = store.remove(CurrentDowsingSelection().SelectedRecordId);
    if (removed) {
        MsgBox(Msg::Deleted, MsgButtons::Ok, MsgIcon::Information, this);
        backToFreshGrid();
    } else if (removed.error().cause == StoreCause::NoSuchRow) {
        MsgBox(Msg::RecordNotFound, MsgButtons::Ok, MsgIcon::None, this);
        backToFreshGrid();
    } else {
        MsgBox(Msg::NotDeleted(removed.error().text()), MsgButtons::Ok, MsgIcon::Critical, this);
    }
}

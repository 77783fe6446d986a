#include "dowsing/DowsingTools.h"

#include "commands/BackupCommands.h"
#include "commands/DataSourceChoice.h"
#include "commands/Exports.h"
#include "commands/frmImportCsv.h"
#include "core/Application.h"
#include "data/WholeFile.h"
#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingFind.h"
#include "dowsing/frmDowsingSave.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/SharedMenus.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QTextDocument>

namespace DowsingTools {

namespace Texts {
namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(DowsingTools)
};

QString RecordsTitle() {
    //: The title of the PDF file of every record's sheet.
    return Words::tr("Dowsing Records");
}
} // namespace

QString Menu() {
    return Words::tr("&Tools");
}

QString Find() {
    return Words::tr("&Find Records…");
}

QString ExportCsv() {
    return Words::tr("Export Records to &CSV…");
}

QString ImportCsv() {
    return Words::tr("&Import Records from CSV…");
}

QString ExportPdf() {
    return Words::tr("Export Records to &PDF…");
}

QString PreviewRecords() {
    return Words::tr("Print Pre&view of All Records…");
}

QString PreviewSheet() {
    return Words::tr("Print Preview of Record &Sheet…");
}

QString CsvFilter() {
    return Words::tr("CSV file | *.csv");
}

QString PdfFilter() {
    return Words::tr("PDF file | *.pdf");
}

QString Exported(const QString& path) {
    return Words::tr("The records were exported to\r\n%1").arg(QDir::toNativeSeparators(path));
}

QString NotExported(const QString& path, const QString& reason) {
    return Words::tr("The records could not be exported to %1.\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString NoSheet() {
    return Words::tr("Open a record on the record sheet first.");
}
} // namespace Texts

namespace {

constexpr qint64 kChunk = 1024;

std::unique_ptr<DowsingStore> openStore(QString& why) {
    auto store = std::make_unique<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    if (const StoreStatus opened = store->open(); !opened) {
        why = opened.error().text();
    }
    return store;
}

void exportTo(QWidget* parent, const QString& filter, const QString& suffix,
              QString (*write)(DowsingStore&, const QString&)) {
    Exports::ToChosenFile(
        parent, filter, suffix,
        [write](const QString& path) {
            QString why;
            std::unique_ptr<DowsingStore> store = openStore(why);
            return why.isEmpty() ? write(*store, path) : why;
        },
        Texts::Exported, Texts::NotExported);
}

} // namespace

CsvImport::Target RecordsTarget(const std::shared_ptr<DowsingStore>& store) {
    CsvImport::Target target;
    target.title = Texts::RecordsTitle();
    target.table = QString::fromLatin1(DowsingStore::Table);
    target.key = QStringLiteral("IdNumber");
    for (int column = 0; column + 1 < int(DowsingColumns.size()); ++column) {
        CsvImport::Field field;
        field.column = QString::fromLatin1(DowsingColumns[std::size_t(column)]);
        field.caption = DowsingGridModel::columnCaption(column);
        // Our export's header, and the grid's captions in the language in force and as written.
        field.names = QStringList{field.column, field.caption, DowsingGridModel::columnCaptionAsWritten(column)};
        field.date = column == 0;
        target.fields << field;
    }
    target.source = &store->source();
    target.open = [store] { return store->database(); };
    return target;
}

QString WriteCsv(DowsingStore& store, const QString& path) {
    return WriteFileInPieces(path, [&](QFileDevice& file) {
        QStringList header;
        for (const char* column : DowsingColumns) {
            header << QString::fromLatin1(column);
        }
        if (QString why = WriteAll(file, Exports::CsvRecord(header)); !why.isEmpty()) {
            return why;
        }
        // Chunks reached by key, so that no read walks the rows written before it.
        for (std::optional<qint64> after;;) {
            const StoreResult<QList<DowsingRecord>> rows = store.listFrom(after, false, 0, kChunk);
            if (!rows) {
                return rows.error().text();
            }
            if (!rows->isEmpty()) {
                after = rows->last().IdNumber;
            }
            for (const DowsingRecord& r : *rows) {
                QStringList fields{r.Date.isValid() ? r.Date.toString(Qt::ISODate) : QString()};
                for (int column = 1; column <= 13; ++column) {
                    fields << DowsingColumnText(r, column);
                }
                if (QString why = WriteAll(file, Exports::CsvRecord(fields)); !why.isEmpty()) {
                    return why;
                }
            }
            if (rows->size() < kChunk) {
                return QString();
            }
        }
    });
}

QString DrawSheets(DowsingStore& store, QPagedPaintDevice& device) {
    Exports::PageSheets pages(&device);
    if (!pages.isActive()) {
        return Exports::NotDrawn();
    }
    for (std::optional<qint64> after;;) {
        const StoreResult<QList<DowsingRecord>> rows = store.listFrom(after, false, 0, kChunk);
        if (!rows) {
            return rows.error().text();
        }
        if (!rows->isEmpty()) {
            after = rows->last().IdNumber;
        }
        for (const DowsingRecord& record : *rows) {
            // The sheet as the record sheet window shows it.
            QTextDocument sheet;
            sheet.setDefaultFont(Look::Verdana(9.75));
            WriteSheetText(&sheet, record);
            pages.draw(sheet);
        }
        if (rows->size() < kChunk) {
            return {};
        }
    }
}

QString WritePdf(DowsingStore& store, const QString& path) {
    return Exports::WritePdf(path, Texts::RecordsTitle(),
                             [&](QPagedPaintDevice& device) { return DrawSheets(store, device); });
}

void ExportCsv(QWidget* parent) {
    exportTo(parent, Texts::CsvFilter(), QStringLiteral("csv"), &WriteCsv);
}

void ImportCsv(MDIDowsingForm1* frame) {
    auto store = std::make_shared<DowsingStore>(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    StoreStatus opened = store->open();
    while (!opened && StoreFailureRetry(StoreFailureText(opened.error()), opened.error(), frame)) {
        opened = store->open();
    }
    if (!opened) {
        return;
    }
    const QPointer<MDIDowsingForm1> undoneFrom(frame);
    frmImportCsv::ChooseAndShow(
        RecordsTarget(store),
        [undoneFrom](std::shared_ptr<CsvImport::Imported> imported) {
            if (undoneFrom) {
                undoneFrom->NoteImported(std::move(imported));
            }
        },
        frame);
}

void ExportPdf(QWidget* parent) {
    exportTo(parent, Texts::PdfFilter(), QStringLiteral("pdf"), &WritePdf);
}

void PreviewRecords(QWidget* parent) {
    // A file that cannot be read is said before the preview opens, not shown as blank pages.
    DowsingStore store(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    StoreResult<qint64> readable = store.count();
    while (!readable && StoreFailureRetry(StoreFailureText(readable.error()), readable.error(), parent)) {
        readable = store.count();
    }
    if (readable) {
        ShowPrintPreview([&store](QPrinter* printer) { return DrawSheets(store, *printer); }, parent);
    }
}

void PreviewSheet(QWidget* parent) {
    frmDowsingSave* sheet = Windows::Loaded<frmDowsingSave>();
    if (!sheet || sheet->sheetText()->document()->isEmpty()) {
        MsgBox(Texts::NoSheet(), MsgButtons::Ok, MsgIcon::Information, parent);
        return;
    }
    ShowPrintPreview(
        [sheet](QPrinter* printer) {
            sheet->sheetText()->print(printer);
            return QString();
        },
        parent);
}

QMenu* InstallToolsMenu(MDIDowsingForm1* frame) {
    QMenu* menu = frame->menuBar()->addMenu(Texts::Menu());
    menu->setObjectName(QStringLiteral("mnuTools"));
    QAction* find = AddNamedItem(menu, QStringLiteral("mnuFindRecords"), Texts::Find());
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    menu->addSeparator();
    QAction* csv = AddNamedItem(menu, QStringLiteral("mnuExportCsv"), Texts::ExportCsv());
    QAction* pdf = AddNamedItem(menu, QStringLiteral("mnuExportPdf"), Texts::ExportPdf());
    QAction* previewAll = AddNamedItem(menu, QStringLiteral("mnuPreviewRecords"), Texts::PreviewRecords());
    QAction* previewSheet = AddNamedItem(menu, QStringLiteral("mnuPreviewSheet"), Texts::PreviewSheet());
    menu->addSeparator();
    QAction* importCsv = AddNamedItem(menu, QStringLiteral("mnuImportCsv"), Texts::ImportCsv());
    QAction* undoImport = AddNamedItem(menu, QStringLiteral("mnuUndoImport"), frmImportCsv::UndoImportCaption());
    undoImport->setEnabled(false);
    menu->addSeparator();
    QAction* backUp = AddNamedItem(menu, QStringLiteral("mnuBackUp"), BackupCommands::BackUpCaption());
    QAction* restore = AddNamedItem(menu, QStringLiteral("mnuRestore"), BackupCommands::RestoreCaption());
    menu->addSeparator();
    DataSourceChoice::AddMenuItems(menu, frame);
    AddNamedSeparator(menu, QStringLiteral("mnuManualSep"));
    menu->addAction(frame->manualCommand());

    QObject::connect(find, &QAction::triggered, frame, [] {
        // A window over a file it could not search (the index was stopped, the file was held) starts afresh.
        if (const frmDowsingFind* open = Windows::Loaded<frmDowsingFind>(); open && !open->searchField()->isEnabled()) {
            Windows::Unload<frmDowsingFind>();
        }
        frmDowsingFind* window = Windows::Show<frmDowsingFind>();
        if (!window) {
            return;
        }
        if (!window->searchField()->isEnabled()) {
            // The focus keeps the window in front once a box about the file has gone; left in the wizard, it
            // would bring the wizard back over it.
            window->closeButton()->setFocus();
            return;
        }
        window->searchField()->setFocus();
        window->searchField()->selectAll();
    });
    QObject::connect(csv, &QAction::triggered, frame, [frame] { ExportCsv(frame); });
    QObject::connect(pdf, &QAction::triggered, frame, [frame] { ExportPdf(frame); });
    QObject::connect(importCsv, &QAction::triggered, frame, [frame] { ImportCsv(frame); });
    QObject::connect(undoImport, &QAction::triggered, frame, &MDIDowsingForm1::UndoImport);
    QObject::connect(previewAll, &QAction::triggered, frame, [frame] { PreviewRecords(frame); });
    QObject::connect(previewSheet, &QAction::triggered, frame, [frame] { PreviewSheet(frame); });
    QObject::connect(backUp, &QAction::triggered, frame, [frame] { BackupCommands::BackUpData(frame); });
    // Every open view of the records follows the restored file as it follows any change.
    QObject::connect(restore, &QAction::triggered, frame, [frame] { BackupCommands::Restore(frame); });
    return menu;
}

} // namespace DowsingTools

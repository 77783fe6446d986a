#include "diary/DiaryTools.h"

#include "commands/BackupCommands.h"
#include "commands/DataSourceChoice.h"
#include "commands/Exports.h"
#include "commands/frmImportCsv.h"
#include "data/WholeFile.h"
#include "diary/DiaryValues.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/SharedMenus.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace DiaryTools {

namespace Texts {
namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(DiaryTools)
};

QString CsvFilter() {
    return Words::tr("CSV file | *.csv");
}

QString PdfFilter() {
    return Words::tr("PDF file | *.pdf");
}

QString SectionHeading(DiarySection section) {
    //: The heading of a section's pages: "Spell Section".
    return Words::tr("%1 Section").arg(DiarySectionName(section));
}

QString Keyword() {
    return Words::tr("Keyword");
}

QString Meaning() {
    return Words::tr("Meaning");
}
} // namespace

QString Menu() {
    return Words::tr("&Tools");
}

QString Find() {
    return Words::tr("&Find…");
}

QString ExportCsv() {
    return Words::tr("Export Section to &CSV…");
}

QString ImportCsv() {
    return Words::tr("&Import Section from CSV…");
}

QString ExportPdf() {
    return Words::tr("Export Section to &PDF…");
}

QString Preview() {
    return Words::tr("Print Pre&view of Section…");
}

QString Exported(const QString& path) {
    return Words::tr("The section was exported to\r\n%1").arg(QDir::toNativeSeparators(path));
}

QString NotExported(const QString& path, const QString& reason) {
    return Words::tr("The section could not be exported to %1.\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}
} // namespace Texts

namespace {

void exportTo(frmPaganDiaryResultBOS* book, const QString& filter, const QString& suffix,
              QString (*write)(DiaryStore&, DiarySection, const QString&)) {
    Exports::ToChosenFile(
        book, filter, suffix,
        [book, write](const QString& path) {
            DiaryStore store(DiaryFilePath());
            return write(store, book->section(), path);
        },
        Texts::Exported, Texts::NotExported);
}

// A section's table as the import window fills it: keyword and meaning without blanks around them, as the book
// stores them.
CsvImport::Target sectionTarget(const std::shared_ptr<DiaryStore>& store, DiarySection section) {
    CsvImport::Target target;
    target.title = Texts::SectionHeading(section);
    target.table = DiaryStore::tableName(section);
    target.key = QStringLiteral("\"Index\"");
    target.fields = {
        {QStringLiteral("keyword"), Texts::Keyword(), {QStringLiteral("keyword"), Texts::Keyword()}, false, true},
        {QStringLiteral("meaning"), Texts::Meaning(), {QStringLiteral("meaning"), Texts::Meaning()}, false, true}};
    target.source = &store->source();
    target.open = [store, section]() -> StoreResult<QSqlDatabase> {
        // Counting checks the section's table as every call of the store does.
        if (const StoreResult<qint64> counted = store->count(section); !counted) {
            return counted.error();
        }
        return store->source().database(store->busyTimeout());
    };
    return target;
}

} // namespace

void ImportCsv(frmPaganDiaryResultBOS* book) {
    auto store = std::make_shared<DiaryStore>(DiaryFilePath());
    const DiarySection section = book->section();
    StoreResult<qint64> readable = store->count(section);
    while (!readable && StoreFailureRetry(StoreFailureText(readable.error()), readable.error(), book)) {
        readable = store->count(section);
    }
    if (!readable) {
        return;
    }
    const QPointer<frmPaganDiaryResultBOS> undoneFrom(book);
    frmImportCsv::ChooseAndShow(
        sectionTarget(store, section),
        [undoneFrom](std::shared_ptr<CsvImport::Imported> imported) {
            if (undoneFrom) {
                undoneFrom->NoteImported(std::move(imported));
            }
        },
        book);
}

QString WriteCsv(DiaryStore& store, DiarySection section, const QString& path) {
    const StoreResult<QList<DiaryEntry>> entries = store.entries(section);
    if (!entries) {
        return entries.error().text();
    }
    return WriteFileInPieces(path, [&entries](QFileDevice& file) {
        QString why = WriteAll(file, Exports::CsvRecord({QStringLiteral("keyword"), QStringLiteral("meaning")}));
        for (auto entry = entries->cbegin(); why.isEmpty() && entry != entries->cend(); ++entry) {
            why = WriteAll(file, Exports::CsvRecord({entry->keyword, entry->meaning}));
        }
        return why;
    });
}

QString DrawSection(const QList<DiaryEntry>& entries, DiarySection section, QPagedPaintDevice& device) {
    QTextDocument document;
    document.setDefaultFont(Look::Verdana(9.75));
    QTextCursor caret(&document);
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontPointSize(14);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    caret.insertText(Texts::SectionHeading(section), title);
    for (const DiaryEntry& entry : entries) {
        caret.insertBlock();
        caret.insertBlock();
        caret.insertText(entry.keyword, bold);
        caret.insertBlock();
        // Meanings keep carriage return and line feed; a document wants one break per line.
        QString meaning = entry.meaning;
        meaning.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        caret.insertText(meaning, plain);
    }
    Exports::PageSheets pages(&device);
    if (!pages.isActive()) {
        return Exports::NotDrawn();
    }
    pages.draw(document);
    return {};
}

QString WritePdf(DiaryStore& store, DiarySection section, const QString& path) {
    const StoreResult<QList<DiaryEntry>> entries = store.entries(section);
    if (!entries) {
        return entries.error().text();
    }
    return Exports::WritePdf(path, DiarySectionName(section),
                             [&](QPagedPaintDevice& device) { return DrawSection(*entries, section, device); });
}

QMenu* InstallToolsMenu(frmPaganDiaryResultBOS* book) {
    QMenu* menu = book->menuBar()->addMenu(Texts::Menu());
    menu->setObjectName(QStringLiteral("mnuTools"));
    QAction* find = AddNamedItem(menu, QStringLiteral("mnuFind"), Texts::Find());
    find->setShortcut(QKeySequence::Find);
    menu->addSeparator();
    QAction* csv = AddNamedItem(menu, QStringLiteral("mnuExportCsv"), Texts::ExportCsv());
    QAction* pdf = AddNamedItem(menu, QStringLiteral("mnuExportPdf"), Texts::ExportPdf());
    QAction* preview = AddNamedItem(menu, QStringLiteral("mnuPreview"), Texts::Preview());
    menu->addSeparator();
    QAction* importCsv = AddNamedItem(menu, QStringLiteral("mnuImportCsv"), Texts::ImportCsv());
    QAction* undoImport = AddNamedItem(menu, QStringLiteral("mnuUndoImport"), frmImportCsv::UndoImportCaption());
    undoImport->setEnabled(false);
    menu->addSeparator();
    QAction* backUp = AddNamedItem(menu, QStringLiteral("mnuBackUp"), BackupCommands::BackUpCaption());
    QAction* restore = AddNamedItem(menu, QStringLiteral("mnuRestore"), BackupCommands::RestoreCaption());
    menu->addSeparator();
    DataSourceChoice::AddMenuItems(menu, book);
    AddNamedSeparator(menu, QStringLiteral("mnuManualSep"));
    menu->addAction(book->manualCommand());

    QObject::connect(find, &QAction::triggered, book, [] {
        if (frmDiaryFind* window = Windows::Show<frmDiaryFind>()) {
            window->searchField()->setFocus();
            window->searchField()->selectAll();
        }
    });
    QObject::connect(csv, &QAction::triggered, book,
                     [book] { exportTo(book, Texts::CsvFilter(), QStringLiteral("csv"), &WriteCsv); });
    QObject::connect(importCsv, &QAction::triggered, book, [book] { ImportCsv(book); });
    QObject::connect(undoImport, &QAction::triggered, book, &frmPaganDiaryResultBOS::UndoImport);
    QObject::connect(pdf, &QAction::triggered, book,
                     [book] { exportTo(book, Texts::PdfFilter(), QStringLiteral("pdf"), &WritePdf); });
    QObject::connect(preview, &QAction::triggered, book, [book] {
        // Read before the preview opens, so that a file that cannot be read is said, not shown as blank pages.
        DiaryStore store(DiaryFilePath());
        StoreResult<QList<DiaryEntry>> entries = store.entries(book->section());
        while (!entries && StoreFailureRetry(StoreFailureText(entries.error()), entries.error(), book)) {
            entries = store.entries(book->section());
        }
        if (entries) {
            ShowPrintPreview([&](QPrinter* printer) { return DrawSection(*entries, book->section(), *printer); }, book);
        }
    });
    QObject::connect(backUp, &QAction::triggered, book, [book] { BackupCommands::BackUpData(book); });
    // Every open view of the diary follows the restored file as it follows any change.
    QObject::connect(restore, &QAction::triggered, book, [book] { BackupCommands::Restore(book); });
    return menu;
}

} // namespace DiaryTools

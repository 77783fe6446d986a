#include "diary/DiaryTools.h"

#include "common/BackupCommands.h"
#include "common/Exports.h"
#include "common/FileDialogs.h"
#include "common/Look.h"
#include "common/SharedMenus.h"
#include "common/WholeFile.h"
#include "common/Windows.h"
#include "diary/DiaryValues.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryResultBOS.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace DiaryTools {

namespace Texts {
QString Exported(const QString& path) {
    return QStringLiteral("The section was exported to\r\n") + QDir::toNativeSeparators(path);
}

QString NotExported(const QString& path, const QString& reason) {
    return QStringLiteral("The section could not be exported to %1.\r\n").arg(QDir::toNativeSeparators(path)) + reason;
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

} // namespace

QString WriteCsv(DiaryStore& store, DiarySection section, const QString& path) {
    QList<DiaryEntry> entries;
    if (!store.entries(section, entries)) {
        return store.lastError();
    }
    return WriteFileInPieces(path, [&entries](QFileDevice& file) {
        QString why = WriteAll(file, Exports::CsvRecord({QStringLiteral("keyword"), QStringLiteral("meaning")}));
        for (auto entry = entries.cbegin(); why.isEmpty() && entry != entries.cend(); ++entry) {
            why = WriteAll(file, Exports::CsvRecord({entry->keyword, entry->meaning}));
        }
        return why;
    });
}

bool DrawSection(DiaryStore& store, DiarySection section, QPagedPaintDevice& device) {
    QList<DiaryEntry> entries;
    if (!store.entries(section, entries)) {
        return false;
    }
    QTextDocument document;
    document.setDefaultFont(Look::Verdana(9.75));
    QTextCursor caret(&document);
    QTextCharFormat title;
    title.setFontWeight(QFont::Bold);
    title.setFontPointSize(14);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat plain;
    caret.insertText(DiarySectionWord(section) + QStringLiteral(" Section"), title);
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
        return false;
    }
    pages.draw(document);
    return true;
}

QString WritePdf(DiaryStore& store, DiarySection section, const QString& path) {
    return Exports::WritePdf(path, DiarySectionWord(section), [&](QPagedPaintDevice& device) {
        if (DrawSection(store, section, device)) {
            return QString();
        }
        return store.lastError().isEmpty() ? QStringLiteral("The pages could not be drawn.") : store.lastError();
    });
}

QMenu* InstallToolsMenu(frmPaganDiaryResultBOS* book) {
    QMenu* menu = book->menuBar()->addMenu(Texts::Menu);
    menu->setObjectName(QStringLiteral("mnuTools"));
    QAction* find = AddNamedItem(menu, QStringLiteral("mnuFind"), Texts::Find);
    find->setShortcut(QKeySequence::Find);
    menu->addSeparator();
    QAction* csv = AddNamedItem(menu, QStringLiteral("mnuExportCsv"), Texts::ExportCsv);
    QAction* pdf = AddNamedItem(menu, QStringLiteral("mnuExportPdf"), Texts::ExportPdf);
    QAction* preview = AddNamedItem(menu, QStringLiteral("mnuPreview"), Texts::Preview);
    menu->addSeparator();
    QAction* backUp = AddNamedItem(menu, QStringLiteral("mnuBackUp"), BackupCommands::BackUpCaption);
    QAction* restore = AddNamedItem(menu, QStringLiteral("mnuRestore"), BackupCommands::RestoreCaption);

    QObject::connect(find, &QAction::triggered, book, [] {
        if (frmDiaryFind* window = Windows::Show<frmDiaryFind>()) {
            window->txtFind->setFocus();
            window->txtFind->selectAll();
        }
    });
    QObject::connect(csv, &QAction::triggered, book,
                     [book] { exportTo(book, QStringLiteral("CSV file | *.csv"), QStringLiteral("csv"), &WriteCsv); });
    QObject::connect(pdf, &QAction::triggered, book,
                     [book] { exportTo(book, QStringLiteral("PDF file | *.pdf"), QStringLiteral("pdf"), &WritePdf); });
    QObject::connect(preview, &QAction::triggered, book, [book] {
        DiaryStore store(DiaryFilePath());
        ShowPrintPreview([&](QPrinter* printer) { DrawSection(store, book->section(), *printer); }, book);
    });
    QObject::connect(backUp, &QAction::triggered, book, [book] { BackupCommands::BackUpData(book); });
    QObject::connect(restore, &QAction::triggered, book, [book] {
        BackupCommands::Restore(book);
        if (book->mode() == frmPaganDiaryResultBOS::Mode::Open ||
            book->mode() == frmPaganDiaryResultBOS::Mode::Closed) {
            book->cmdRefresh_Click();
        }
    });
    return menu;
}

} // namespace DiaryTools

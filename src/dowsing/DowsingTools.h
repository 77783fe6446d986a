#pragma once

#include "commands/CsvImport.h"

#include <QString>
#include <memory>

class DowsingStore;
class MDIDowsingForm1;
class QPagedPaintDevice;
class QMenu;
class QWidget;

// The dowsing tool's additions: its Tools menu and the commands behind it.
namespace DowsingTools {

// Adds the "&Tools" menu to the frame's menu bar.
QMenu* InstallToolsMenu(MDIDowsingForm1* frame);

// Every record, in table order, as CSV: a header of the column names, ISO dates. Empty on success, otherwise
// the reason; the file appears whole or not at all.
QString WriteCsv(DowsingStore& store, const QString& path);
// Every record's sheet, one record to a page at least, on a paged device. Empty when all were drawn, otherwise
// why not (a page of records that could not be read, say).
QString DrawSheets(DowsingStore& store, QPagedPaintDevice& device);
QString WritePdf(DowsingStore& store, const QString& path);

void ExportCsv(QWidget* parent);
// The records' table as the import window fills it: every column but the number, which the file hands out.
CsvImport::Target RecordsTarget(const std::shared_ptr<DowsingStore>& store);
// Asks for a CSV file and opens the import window over it; what it imports the frame can undo.
void ImportCsv(MDIDowsingForm1* frame);
void ExportPdf(QWidget* parent);
void PreviewRecords(QWidget* parent);
void PreviewSheet(QWidget* parent);

namespace Texts {
QString Menu();
QString Find();
QString ExportCsv();
QString ImportCsv();
QString ExportPdf();
QString PreviewRecords();
QString PreviewSheet();
QString CsvFilter();
QString PdfFilter();
QString Exported(const QString& path);
QString NotExported(const QString& path, const QString& reason);
QString NoSheet();
} // namespace Texts

} // namespace DowsingTools

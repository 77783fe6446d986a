#pragma once

#include "diary/DiaryStore.h"

#include <QString>

class QMenu;
class QPagedPaintDevice;
class QWidget;
class frmPaganDiaryResultBOS;

// The keyword book's additions: its Tools menu and the commands behind it.
namespace DiaryTools {

// Adds the "&Tools" menu after the book's own menus.
QMenu* InstallToolsMenu(frmPaganDiaryResultBOS* book);

// A section as CSV (a header "keyword","meaning", then every entry in list order). Empty on success,
// otherwise the reason; the file appears whole or not at all.
QString WriteCsv(DiaryStore& store, DiarySection section, const QString& path);
// A section's entries as pages: its title, then every keyword in bold with its meaning below. Empty when drawn,
// otherwise why not.
QString DrawSection(const QList<DiaryEntry>& entries, DiarySection section, QPagedPaintDevice& device);
QString WritePdf(DiaryStore& store, DiarySection section, const QString& path);
// Asks for a CSV file and opens the import window over it, into the book's section; what it imports the book can undo.
void ImportCsv(frmPaganDiaryResultBOS* book);

namespace Texts {
QString Menu();
QString Find();
QString ExportCsv();
QString ImportCsv();
QString ExportPdf();
QString Preview();
QString Exported(const QString& path);
QString NotExported(const QString& path, const QString& reason);
} // namespace Texts

} // namespace DiaryTools

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

// What the export commands share: CSV rows, documents laid out page by page, and PDF files.
namespace Exports {

// One CSV record (RFC 4180): every field in double quotes with inner quotes doubled, fields separated by
// commas, the record ended by carriage return and line feed, in UTF-8.
QByteArray CsvRecord(const QStringList& fields);

// Lays out and draws documents on a paged device, each document starting on a new page.
QString NotDrawn();

class PageSheets {
  public:
    explicit PageSheets(QPagedPaintDevice* device);
    ~PageSheets();
    PageSheets(const PageSheets&) = delete;
    PageSheets& operator=(const PageSheets&) = delete;

    bool isActive() const;
    void draw(QTextDocument& document);

  private:
    struct Private;
    Private* d;
};

// Writes a PDF of whatever `drawOn` draws on the device it is given, whole or not at all (WriteFileInPieces).
// `drawOn` returns why it could not draw every page, empty when it did.
QString WritePdf(const QString& path, const QString& title, const std::function<QString(QPagedPaintDevice&)>& drawOn);

// Asks where to export (the save dialog, with the given filter and suffix), writes there with `write` while the
// busy pointer shows, and says how it went in the tool's own words: `done(path)`, or `failed(path, why)`.
void ToChosenFile(QWidget* parent, const QString& filter, const QString& suffix,
                  const std::function<QString(const QString& path)>& write,
                  const std::function<QString(const QString& path)>& done,
                  const std::function<QString(const QString& path, const QString& why)>& failed);

// Text folded for matching: letter case and accents do not count ("Ÿ" and "y", "É" and "e").
QString FoldForSearch(const QString& text);

} // namespace Exports

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QTextDocument;

// What the export commands share: CSV rows, documents laid out page by page, and files that appear whole or
// not at all.
namespace Exports {

// One CSV record (RFC 4180): every field in double quotes with inner quotes doubled, fields separated by
// commas, the record ended by carriage return and line feed, in UTF-8.
QByteArray CsvRecord(const QStringList& fields);

// Writes a file through a temporary file beside it that takes the file's place only when `produce` and
// every write succeeded; a failure leaves any earlier file as it was and no partial file behind. Empty on
// success, otherwise the reason.
QString WriteFile(const QString& path, const std::function<bool(QIODevice&)>& produce);

// Lays out and draws documents on a paged device, each document starting on a new page.
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

// Writes a PDF of whatever `drawOn` draws on the device it is given, as WriteFile does.
QString WritePdf(const QString& path, const QString& title, const std::function<bool(QPagedPaintDevice&)>& drawOn);

// Text folded for matching: letter case and accents do not count ("Ÿ" and "y", "É" and "e").
QString FoldForSearch(const QString& text);

} // namespace Exports

#pragma once

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>

class QIODevice;

// Tables brought in from spreadsheets: the program's own export (every field quoted, UTF-8, CRLF), LibreOffice Calc
// (comma or semicolon, quotes only where needed) and Excel (semicolon and Windows-1252, or tab and UTF-16), each read
// as written, a row at a time, with what is wrong in a row said beside it instead of ending the file there.
namespace Csv {

enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

// The encoding's name as the user knows it from a spreadsheet's save dialog ("UTF-8", "Windows-1252").
QString EncodingName(Encoding encoding);

struct Format {
    QChar separator = QLatin1Char(',');
    // QChar() when no field is quoted and a quote is a character like any other.
    QChar quote = QLatin1Char('"');
    // The first row names the columns.
    bool header = true;
    Encoding encoding = Encoding::Utf8;
    friend bool operator==(const Format&, const Format&) = default;
};

// The format of a file that begins with `firstBytes` (its first few kilobytes). A byte order mark decides the
// encoding; without one, text that is valid UTF-8 is taken for UTF-8 and anything else for Windows-1252. The
// separator is the one of comma, semicolon and tab that gives the same number of fields on most rows. The first row
// is taken for a header when it names at least two of the columns in `namesPerField` (as MatchColumns compares), or
// else when it holds no date or number while most later rows hold one in some column: a file of words alone, without
// names to look for, is taken to have none.
Format Guess(const QByteArray& firstBytes, const QList<QStringList>& namesPerField = {});

struct Row {
    QStringList fields;
    // The file's line the row starts on, from 1; a quoted field may go on over several lines.
    qint64 line = 0;
    // What is wrong with the row, as a sentence; empty when it was read cleanly.
    QString fault;
};

// Reads rows from an open device a piece at a time, so that a file of any size takes the same memory. Blank lines
// are passed over (they count for the line numbers). A row that breaks the format is given with what could be made
// of it and a fault: a byte that is not text in the encoding, a quote never closed (the row then ends with its own
// line and the next line is read as the next row), text after a field's closing quote, a number of fields unlike
// the first row's.
class Reader {
  public:
    // With a header in the format, its row is read at once (header()) and next() gives the rows after it.
    Reader(QIODevice* device, const Format& format);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    const QStringList& header() const;
    // The next row into `row`; false at the end of the file, or when the device failed (failure()).
    bool next(Row& row);
    // How much of the device has been read, for a progress bar.
    qint64 bytesRead() const;
    // Why the device could not be read to its end; empty when it was.
    QString failure() const;

  private:
    struct Private;
    std::unique_ptr<Private> d;
};

// For each field of ours, the header's column that holds it, or -1 when none does. `namesPerField` gives each field's
// names, in any language; a name matches a column without regard to case, accents, blanks, underscores and other
// marks between its letters ("Phone No", "phone_no" and "PHONE-NO." are one name, as are "Téléphone" and
// "TELEPHONE"). Each column goes to the first field that names it.
QList<int> MatchColumns(const QStringList& header, const QList<QStringList>& namesPerField);

// The ways a spreadsheet may have written a date, the user's own first (Language::NumericDateFormat), then ISO and
// the common numeric forms with four-digit and then two-digit years, each once.
QStringList DateForms(const QLocale& locale = QLocale());

// The date `text` gives in `form` (a Qt date format of d, M and y). d and dd take a day of one or two figures alike,
// as M and MM a month; a two-digit year is put within the century that ends twenty years from now. An empty text is
// no date and no fault: null date, *ok true. A text that is not a date in the form gives a null date, *ok false.
QDate ReadDate(const QString& text, const QString& form, bool* ok = nullptr);

} // namespace Csv

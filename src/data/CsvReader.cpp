#include "data/CsvReader.h"

#include "core/Language.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <utility>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)
};

using Csv::Encoding;

constexpr qint64 kPiece = qint64(64) * 1024;
// A row this long is taken for a quote that was never closed rather than read on to the end of a large file.
constexpr qsizetype kLongestRow = qsizetype(4) * 1024 * 1024;
// Enough rows to see a separator and a header by, few enough to read at once.
constexpr qsizetype kGuessRows = 50;

// 0x80 to 0x9F; the rest of Windows-1252 is Latin-1. Qt reaches Windows-1252 only through ICU, which not every build
// of Qt has and which makes control characters of the five bytes the encoding leaves out (0 here).
constexpr std::array<char16_t, 32> kWindows1252 = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isUtf8(Encoding encoding) {
    return encoding == Encoding::Utf8 || encoding == Encoding::Utf8Bom;
}

// How many bytes at the end begin a UTF-8 character that the next bytes finish.
qsizetype unfinishedUtf8(const QByteArray& bytes) {
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, bytes.size()); ++back) {
        const auto byte = static_cast<uchar>(bytes.at(bytes.size() - back));
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// Bytes to text a piece at a time. A byte that is not text in the encoding becomes U+0000, for the reader to find in
// its row; a NUL has no place in a spreadsheet's text either. Each piece is decoded on its own, with the bytes of a
// character it cuts kept for the next: Qt's own decoder loses the byte after a broken character when the break
// falls between two pieces.
class Decoder {
  public:
    explicit Decoder(Encoding encoding)
        : encoding_(encoding), qt_(encoding == Encoding::Utf16LE   ? QStringDecoder::Utf16LE
                                   : encoding == Encoding::Utf16BE ? QStringDecoder::Utf16BE
                                                                   : QStringDecoder::Utf8,
                                   QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInvalidToNull |
                                       QStringDecoder::Flag::ConvertInitialBom) {}

    QString decode(QByteArray bytes, bool last) {
        bytes.prepend(carry_);
        carry_.clear();
        if (!started_) {
            if (bytes.size() < 3 && !last) {
                carry_ = bytes;
                return {};
            }
            started_ = true;
            bytes.remove(0, byteOrderMark(bytes));
        }
        const qsizetype held = isUtf8(encoding_)                    ? unfinishedUtf8(bytes)
                               : encoding_ == Encoding::Windows1252 ? 0
                                                                    : bytes.size() % 2;
        carry_ = bytes.last(held);
        bytes.chop(held);
        QString text = encoding_ == Encoding::Windows1252 ? fromWindows1252(bytes) : QString(qt_(bytes));
        if (last && !carry_.isEmpty()) {
            text += QChar(u'\0');
            carry_.clear();
        }
        return text;
    }

  private:
    // A mark is passed over also where the format did not expect one: it never belongs to the first field.
    qsizetype byteOrderMark(const QByteArray& bytes) const {
        if (isUtf8(encoding_)) {
            return bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        }
        if (encoding_ == Encoding::Windows1252) {
            return 0;
        }
        return bytes.startsWith(encoding_ == Encoding::Utf16LE ? "\xFF\xFE" : "\xFE\xFF") ? 2 : 0;
    }

    static QString fromWindows1252(const QByteArray& bytes) {
        QString text(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<uchar>(bytes.at(i));
            text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252[byte - 0x80]) : QChar(char16_t(byte));
        }
        return text;
    }

    Encoding encoding_;
    QStringDecoder qt_;
    QByteArray carry_;
    bool started_ = false;
};

enum class State { FieldStart, Unquoted, Quoted, QuoteSeen };

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

// A figure, a date, a time or a telephone number: what a column's name never is.
bool looksLikeValue(const QString& field) {
    bool figure = false;
    for (const QChar c : field) {
        if (c.isDigit()) {
            figure = true;
        } else if (!c.isSpace() && !QStringView(u".,/-:+()").contains(c)) {
            return false;
        }
    }
    return figure;
}

bool firstRowNamesColumns(const QList<QStringList>& rows, const QList<QStringList>& namesPerField) {
    if (rows.isEmpty()) {
        return false;
    }
    const QStringList& first = rows.first();
    if (!namesPerField.isEmpty()) {
        const QList<int> found = Csv::MatchColumns(first, namesPerField);
        if (found.size() - found.count(-1) >= std::min<qsizetype>(2, namesPerField.size())) {
            return true;
        }
    }
    if (std::any_of(first.begin(), first.end(), [](const QString& f) { return f.isEmpty() || looksLikeValue(f); })) {
        return false;
    }
    for (qsizetype column = 0; column < first.size(); ++column) {
        const auto values = std::count_if(rows.begin() + 1, rows.end(), [column](const QStringList& row) {
            return column < row.size() && looksLikeValue(row.at(column));
        });
        if (values * 2 > rows.size() - 1) {
            return true;
        }
    }
    return false;
}

// Only letters and figures, without accents and case.
QString bareName(const QString& name) {
    QString bare;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isLetterOrNumber()) {
            bare += c.toCaseFolded();
        }
    }
    return bare;
}

// Within the century that ends twenty years from now: a record's date lies in the past, a plan's a little ahead.
int fullYear(int twoDigits) {
    const int last = QDate::currentDate().year() + 20;
    return last - (last - twoDigits) % 100;
}

QDate parseDate(QStringView text, QStringView form) {
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype at = 0;
    const auto literal = [&](QStringView expected) {
        for (const QChar c : expected) {
            if (c.isSpace()) {
                while (at < text.size() && text[at].isSpace()) {
                    ++at;
                }
            } else if (at < text.size() && text[at] == c) {
                ++at;
            } else {
                return false;
            }
        }
        return true;
    };
    for (qsizetype f = 0; f < form.size();) {
        const QChar c = form[f];
        if (c == u'\'') {
            const qsizetype close = form.indexOf(u'\'', f + 1);
            const qsizetype end = close < 0 ? form.size() : close;
            if (!literal(end == f + 1 ? QStringView(u"'") : form.sliced(f + 1, end - f - 1))) {
                return {};
            }
            f = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (f + run < form.size() && form[f + run] == c) {
            ++run;
        }
        f += run;
        if (c != u'd' && c != u'M' && c != u'y') {
            if (!literal(form.sliced(f - run, run))) {
                return {};
            }
            continue;
        }
        // Names of days and months are not figures, and a year has two or four.
        if (c == u'y' ? run != 2 && run != 4 : run > 2) {
            return {};
        }
        const qsizetype fewest = c == u'y' ? run : 1;
        const qsizetype most = c == u'y' ? run : 2;
        int value = 0;
        qsizetype figures = 0;
        for (; figures < most && at < text.size() && text[at].isDigit(); ++figures, ++at) {
            value = value * 10 + text[at].digitValue();
        }
        if (figures < fewest) {
            return {};
        }
        (c == u'd' ? day : c == u'M' ? month : year) = c == u'y' && run == 2 ? fullYear(value) : value;
    }
    return at == text.size() ? QDate(year, month, day) : QDate();
}

} // namespace

namespace Csv {

QString EncodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        return QStringLiteral("UTF-16");
    case Encoding::Windows1252:
        break;
    }
    return QStringLiteral("Windows-1252");
}

struct Reader::Private {
    Private(QIODevice* from, const Format& as) : device(from), format(as), decoder(as.encoding) {}

    QIODevice* device;
    Format format;
    Decoder decoder;
    QStringList header;
    // Decoded and not yet given out; the row being read starts at `start`, and has been read up to `scanned`.
    QString text;
    qsizetype start = 0;
    qsizetype scanned = 0;
    qint64 line = 1; // of `start`
    bool ended = false;
    qint64 bytes = 0;
    QString failure;
    qsizetype firstRowFields = -1;
    // The row being read.
    State state = State::FieldStart;
    QStringList fields;
    QString field;
    QString fault;

    void setFault(const QString& why) {
        if (fault.isEmpty()) {
            fault = why;
        }
    }

    void readMore() {
        // What was given out goes first, so that the text holds little more than a row and a piece.
        text.remove(0, start);
        scanned -= start;
        start = 0;
        QByteArray piece(kPiece, Qt::Uninitialized);
        const qint64 got = device->read(piece.data(), kPiece);
        if (got < 0) {
            failure = device->errorString();
        }
        ended = got <= 0;
        piece.resize(std::max<qint64>(got, 0));
        bytes += piece.size();
        text += decoder.decode(piece, ended);
    }

    void endField() {
        for (qsizetype i = 0; i < field.size(); ++i) {
            const QChar c = field.at(i);
            if (c.isHighSurrogate() && i + 1 < field.size() && field.at(i + 1).isLowSurrogate()) {
                ++i;
            } else if (c.isNull() || c.isSurrogate()) {
                field[i] = QChar::ReplacementCharacter;
                setFault(Words::tr("Field %1 holds bytes that are not %2 text.")
                             .arg(QString::number(fields.size() + 1), EncodingName(format.encoding)));
            }
        }
        fields.append(std::exchange(field, QString()));
        state = State::FieldStart;
    }

    // Reads `in` from `at` to the end of the row, leaving `at` past its line break; false when `in` ends first. A CR
    // at the very end waits for what follows unless `last`: it may be the first half of a CRLF.
    bool scan(QStringView in, qsizetype& at, bool last) {
        const QChar quote = format.quote;
        for (; at < in.size(); ++at) {
            const QChar c = in[at];
            if (state == State::Quoted) {
                if (c == quote) {
                    state = State::QuoteSeen;
                } else {
                    field += c;
                }
            } else if (state == State::QuoteSeen && c == quote) {
                field += c;
                state = State::Quoted;
            } else if (isLineBreak(c)) {
                if (c == u'\r' && at + 1 == in.size() && !last) {
                    return false;
                }
                at += c == u'\r' && at + 1 < in.size() && in[at + 1] == u'\n' ? 2 : 1;
                endField();
                return true;
            } else if (c == format.separator) {
                endField();
            } else if (state == State::FieldStart && !quote.isNull() && c == quote) {
                state = State::Quoted;
            } else {
                // A quote inside a quoted field that was not doubled, most likely: kept, and the field goes on.
                if (state == State::QuoteSeen) {
                    setFault(Words::tr("Field %1 has text after its closing quote.").arg(fields.size() + 1));
                    field += quote;
                }
                field += c;
                state = State::Unquoted;
            }
        }
        return false;
    }

    // The row is taken to end with its first line, where a quote that is never closed has most likely cut it short,
    // so that the next line is read as the next row.
    void endWithFirstLine(const QString& why) {
        qsizetype end = start;
        while (end < scanned && !isLineBreak(text.at(end))) {
            ++end;
        }
        state = State::FieldStart;
        fields.clear();
        field.clear();
        fault.clear();
        qsizetype at = 0;
        scan(QStringView(text).sliced(start, end - start), at, true);
        endField();
        setFault(why);
        scanned = end;
        if (end < text.size() && isLineBreak(text.at(end))) {
            scanned += text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n' ? 2 : 1;
        }
    }

    bool nextRow(Row& row) {
        for (;;) {
            while (!scan(text, scanned, ended)) {
                if (!failure.isEmpty()) {
                    return false;
                }
                const bool tooLong = scanned - start > kLongestRow;
                if (!ended && !tooLong) {
                    readMore();
                } else if (tooLong) {
                    endWithFirstLine(Words::tr("The row runs on for more than %1 characters; it is cut at the end "
                                               "of its first line.")
                                         .arg(kLongestRow));
                    break;
                } else if (scanned == start) {
                    return false;
                } else if (state == State::Quoted) {
                    endWithFirstLine(Words::tr("A quote in the row is never closed; the row is read to the end of "
                                               "its line."));
                    break;
                } else {
                    endField();
                    break;
                }
            }
            const bool blank = fields.size() == 1 && fields.first().isEmpty() && isLineBreak(text.at(start));
            row.fields = std::exchange(fields, {});
            row.line = line;
            row.fault = std::exchange(fault, {});
            state = State::FieldStart;
            for (qsizetype i = start; i < scanned; ++i) {
                line += text.at(i) == u'\n' || (text.at(i) == u'\r' && (i + 1 == scanned || text.at(i + 1) != u'\n'));
            }
            start = scanned;
            if (blank) {
                continue;
            }
            if (firstRowFields < 0) {
                firstRowFields = row.fields.size();
            } else if (row.fields.size() != firstRowFields && row.fault.isEmpty()) {
                row.fault = Words::tr("The row has %1 fields where the first row has %2.")
                                .arg(QString::number(row.fields.size()), QString::number(firstRowFields));
            }
            return true;
        }
    }
};

Reader::Reader(QIODevice* device, const Format& format) : d(std::make_unique<Private>(device, format)) {
    if (format.header) {
        Row row;
        if (d->nextRow(row)) {
            d->header = row.fields;
        }
    }
}

Reader::~Reader() = default;

const QStringList& Reader::header() const {
    return d->header;
}

bool Reader::next(Row& row) {
    return d->nextRow(row);
}

qint64 Reader::bytesRead() const {
    return d->bytes;
}

QString Reader::failure() const {
    return d->failure;
}

Format Guess(const QByteArray& firstBytes, const QList<QStringList>& namesPerField) {
    Format format;
    if (firstBytes.startsWith("\xEF\xBB\xBF")) {
        format.encoding = Encoding::Utf8Bom;
    } else if (firstBytes.startsWith("\xFF\xFE")) {
        format.encoding = Encoding::Utf16LE;
    } else if (firstBytes.startsWith("\xFE\xFF")) {
        format.encoding = Encoding::Utf16BE;
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        static_cast<void>(QString(utf8(firstBytes.first(firstBytes.size() - unfinishedUtf8(firstBytes)))));
        format.encoding = utf8.hasError() ? Encoding::Windows1252 : Encoding::Utf8;
    }
    QList<QStringList> chosen;
    qsizetype mostAlike = 0;
    // On a tie the rarer character in a spreadsheet's text wins: commas are common in addresses and German figures.
    for (const QChar separator : {QChar(u'\t'), QChar(u';'), QChar(u',')}) {
        QBuffer buffer;
        buffer.setData(firstBytes);
        buffer.open(QIODevice::ReadOnly);
        Reader reader(&buffer, Format{separator, format.quote, false, format.encoding});
        QList<QStringList> rows;
        for (Row row; rows.size() < kGuessRows && reader.next(row);) {
            rows << row.fields;
        }
        // The last row may have been cut by the end of the bytes.
        if (rows.size() > 2) {
            rows.removeLast();
        }
        QHash<qsizetype, qsizetype> rowsWithFields;
        for (const QStringList& row : rows) {
            ++rowsWithFields[row.size()];
        }
        for (auto it = rowsWithFields.cbegin(); it != rowsWithFields.cend(); ++it) {
            if (it.key() > 1 && it.value() > mostAlike) {
                mostAlike = it.value();
                format.separator = separator;
                chosen = rows;
            }
        }
    }
    format.header = firstRowNamesColumns(chosen, namesPerField);
    return format;
}

QList<int> MatchColumns(const QStringList& header, const QList<QStringList>& namesPerField) {
    QStringList columns;
    for (const QString& column : header) {
        columns << bareName(column);
    }
    QList<int> found;
    for (const QStringList& names : namesPerField) {
        int column = -1;
        for (qsizetype n = 0; n < names.size() && column < 0; ++n) {
            const QString name = bareName(names.at(n));
            for (qsizetype c = 0; c < columns.size() && column < 0 && !name.isEmpty(); ++c) {
                if (columns.at(c) == name && !found.contains(int(c))) {
                    column = int(c);
                }
            }
        }
        found << column;
    }
    return found;
}

QStringList DateForms(const QLocale& locale) {
    const QString own = Language::NumericDateFormat(locale);
    QString ownShort = own;
    ownShort.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
    const QStringList all{own,
                          QStringLiteral("yyyy-MM-dd"),
                          QStringLiteral("d.M.yyyy"),
                          QStringLiteral("d/M/yyyy"),
                          QStringLiteral("M/d/yyyy"),
                          QStringLiteral("yyyy/M/d"),
                          QStringLiteral("d-M-yyyy"),
                          ownShort,
                          QStringLiteral("d.M.yy"),
                          QStringLiteral("d/M/yy"),
                          QStringLiteral("M/d/yy")};
    // dd and d read alike, as MM and M do.
    QStringList forms;
    QStringList shapes;
    for (const QString& form : all) {
        QString shape = form;
        shape.replace(QStringLiteral("dd"), QStringLiteral("d")).replace(QStringLiteral("MM"), QStringLiteral("M"));
        if (!shapes.contains(shape)) {
            shapes << shape;
            forms << form;
        }
    }
    return forms;
}

QDate ReadDate(const QString& text, const QString& form, bool* ok) {
    const QString trimmed = text.trimmed();
    const QDate date = trimmed.isEmpty() ? QDate() : parseDate(trimmed, form);
    if (ok) {
        *ok = trimmed.isEmpty() || date.isValid();
    }
    return date;
}

} // namespace Csv

#include "commands/Exports.h"
#include "data/CsvReader.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace Qt::StringLiterals;

// Spreadsheets as our export, LibreOffice Calc and Excel write them, and rows that break the format, each file in
// tests/data/csv beside the .json that says what must be made of it.
class tst_CsvReader : public QObject {
    Q_OBJECT

  private slots:
    void eachFile_isGuessedAndReadAsWritten_data();
    void eachFile_isGuessedAndReadAsWritten();
    void columns_matchTheirNamesWrittenAnyWay_data();
    void columns_matchTheirNamesWrittenAnyWay();
    void dates_readInTheirForm_data();
    void dates_readInTheirForm();
};

namespace {
const QStringList kEncodings{u"Utf8"_s, u"Utf8Bom"_s, u"Utf16LE"_s, u"Utf16BE"_s, u"Windows1252"_s};

// Gives a byte a read, so that every character, quote and line break is cut somewhere between two reads.
class Trickle : public QIODevice {
  public:
    explicit Trickle(const QByteArray& bytes) : bytes_(bytes) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 size) override {
        if (at_ == bytes_.size() || size < 1) {
            return 0;
        }
        *data = bytes_.at(at_++);
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList strings(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        list << item.toString();
    }
    return list;
}
} // namespace

void tst_CsvReader::eachFile_isGuessedAndReadAsWritten_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(VELLORAN_CSV_DATA));
    for (const QString& name : folder.entryList({u"*.csv"_s}, QDir::Files, QDir::Name)) {
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
}

void tst_CsvReader::eachFile_isGuessedAndReadAsWritten() {
    QFETCH(QString, path);
    const QByteArray bytes = contents(path);
    const QJsonObject expected = QJsonDocument::fromJson(contents(path.chopped(3) + u"json"_s)).object();
    QVERIFY(!bytes.isEmpty() && !expected.isEmpty());
    QList<QStringList> names;
    for (const QJsonValue& field : expected[u"names"_s].toArray()) {
        names << strings(field);
    }
    Csv::Format format = Csv::Guess(bytes, names);
    const QJsonObject guess = expected[u"guess"_s].toObject();
    QCOMPARE(QString(format.separator), guess[u"separator"_s].toString());
    QCOMPARE(format.quote, QChar(u'"'));
    QCOMPARE(kEncodings.value(int(format.encoding)), guess[u"encoding"_s].toString());
    QCOMPARE(format.header, guess[u"header"_s].toBool());
    if (expected.contains(u"readAs"_s)) {
        format.encoding = Csv::Encoding(kEncodings.indexOf(expected[u"readAs"_s].toString()));
    }

    for (const bool trickled : {false, true}) {
        QBuffer whole;
        whole.setData(bytes);
        whole.open(QIODevice::ReadOnly);
        Trickle trickle(bytes);
        Csv::Reader reader(trickled ? static_cast<QIODevice*>(&trickle) : &whole, format);
        QCOMPARE(reader.header(), strings(expected[u"header"_s]));
        QByteArray written = Exports::CsvRecord(reader.header());
        Csv::Row row;
        for (const QJsonValue& value : expected[u"rows"_s].toArray()) {
            const QJsonObject want = value.toObject();
            QVERIFY2(reader.next(row), qPrintable(QString::number(want[u"line"_s].toInteger())));
            QCOMPARE(row.fields, strings(want[u"fields"_s]));
            QCOMPARE(row.line, want[u"line"_s].toInteger());
            QCOMPARE(row.fault.isEmpty(), !want[u"fault"_s].toBool());
            written += Exports::CsvRecord(row.fields);
        }
        QVERIFY(!reader.next(row));
        QVERIFY(reader.failure().isEmpty());
        QCOMPARE(reader.bytesRead(), bytes.size());
        if (expected[u"roundTrip"_s].toBool()) {
            QCOMPARE(written, bytes);
        }
    }
}

void tst_CsvReader::columns_matchTheirNamesWrittenAnyWay_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<QStringList>>("names");
    QTest::addColumn<QList<int>>("columns");
    QTest::newRow("our export, a field missing")
        << QStringList{u"Date"_s, u"Name"_s, u"Phone_No"_s, u"Notes"_s}
        << QList<QStringList>{{u"Phone No"_s}, {u"Notes"_s}, {u"Email"_s}} << QList<int>{2, 3, -1};
    QTest::newRow("case, blanks, marks, accents")
        << QStringList{u"E-Mail"_s, u"PHONE NO"_s, u"téléphone"_s}
        << QList<QStringList>{{u"phone_no"_s}, {u"Telephone"_s, u"Téléphone"_s}, {u"email"_s}} << QList<int>{1, 2, 0};
    QTest::newRow("a column goes to one field")
        << QStringList{u"Name"_s, u"Keyword"_s}
        << QList<QStringList>{{u"name"_s}, {u"Name"_s, u"keyword"_s}, {u"NAME"_s}} << QList<int>{0, 1, -1};
}

void tst_CsvReader::columns_matchTheirNamesWrittenAnyWay() {
    QFETCH(QStringList, header);
    QFETCH(QList<QStringList>, names);
    QFETCH(QList<int>, columns);
    QCOMPARE(Csv::MatchColumns(header, names), columns);
}

void tst_CsvReader::dates_readInTheirForm_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("ok");
    struct Case {
        const char* name;
        const char* text;
        const char* form;
        QDate date;
        bool ok;
    };
    const Case cases[] = {
        {"German", "24.12.2009", "d.M.yyyy", {2009, 12, 24}, true},
        {"one figure for two", " 7.3.2006 ", "dd.MM.yyyy", {2006, 3, 7}, true},
        {"blanks of the form left out", "7.3.2006", "d. M. yyyy", {2006, 3, 7}, true},
        {"two-digit year", "12/24/09", "M/d/yy", {2009, 12, 24}, true},
        {"quoted text", "24.12.09 г.", "d.MM.yy 'г'.", {2009, 12, 24}, true},
        {"empty", "", "yyyy-MM-dd", {}, true},
        {"no such day", "31.2.2009", "d.M.yyyy", {}, false},
        {"another form", "24.12.2009", "M/d/yyyy", {}, false},
        {"short year for a long", "24.12.09", "d.M.yyyy", {}, false},
        {"more after it", "2009-12-24x", "yyyy-MM-dd", {}, false},
    };
    for (const Case& c : cases) {
        QTest::newRow(c.name) << QString::fromUtf8(c.text) << QString::fromUtf8(c.form) << c.date << c.ok;
    }
}

void tst_CsvReader::dates_readInTheirForm() {
    QFETCH(QString, text);
    QFETCH(QString, form);
    QFETCH(QDate, date);
    QFETCH(bool, ok);
    bool read = !ok;
    QCOMPARE(Csv::ReadDate(text, form, &read), date);
    QCOMPARE(read, ok);
}

QTEST_GUILESS_MAIN(tst_CsvReader)
#include "tst_CsvReader.moc"

#include "dowsing/DowsingSheet.h"
#include "dowsing/RtfWriter.h"

#include <QLocale>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {
DowsingRecord fullRecord() {
    DowsingRecord r;
    r.Date = QDate(2006, 3, 7);
    r.Name = QStringLiteral("JOHN");
    r.Address = QStringLiteral("1 Mill Lane\r\nFenby");
    r.City = QStringLiteral("YORK");
    r.State = QStringLiteral("NORTH");
    r.Pin = QStringLiteral("YO1 7HH");
    r.Phone_No = QStringLiteral("01904.555");
    r.Email = QStringLiteral("john@example.org");
    r.Time_Dowsing_Occured = QStringLiteral("07:45");
    r.Dowsing_Tool = QStringLiteral("Rods");
    r.Item_Dowsing_For = QStringLiteral("water");
    r.Location_Dowsing_Occured = QStringLiteral("BACK FIELD");
    r.Notes = QStringLiteral("Strong pull\r\nnear the oak");
    r.IdNumber = 17;
    return r;
}

void writeBold(QTextDocument& document, const QString& text) {
    QTextCursor caret(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    caret.insertText(text, bold);
}

// The text between the header and the closing brace.
QByteArray body(const QByteArray& rtf) {
    const int start = rtf.indexOf("\\fs20 ");
    return rtf.mid(start + 6, rtf.lastIndexOf('}') - start - 6);
}
} // namespace

class tst_DowsingSheet : public QObject {
    Q_OBJECT

  private slots:
    void fullRecord_textCharacterForCharacter();
    void emptyRecord_thirteenNotEnteredParagraphs_data();
    void emptyRecord_thirteenNotEnteredParagraphs();
    void itemLabel_losesItsGOnlyWithAValue_data();
    void itemLabel_losesItsGOnlyWithAValue();
    void dateText_isMonthDayYearInEveryLocale_data();
    void dateText_isMonthDayYearInEveryLocale();
    void gridColumns_followTheTableAndShowTheNumber();

    void rtf_typedTextNeverBecomesACommand_data();
    void rtf_typedTextNeverBecomesACommand();
    void rtf_boldRunsAndParagraphMarks();
    void rtf_headerNamesFontAndSize();
};

void tst_DowsingSheet::fullRecord_textCharacterForCharacter() {
    const QString expected = QStringLiteral("Date :- 3/7/2006\r\n\r\n"
                                            "Name :- JOHN\r\n\r\n"
                                            "Address :- 1 Mill Lane\r\nFenby\r\n\r\n"
                                            "City :- YORK\r\n\r\n"
                                            "State :- NORTH\r\n\r\n"
                                            "Pin :- YO1 7HH\r\n\r\n"
                                            "Phone Number :- 01904.555\r\n\r\n"
                                            "Email :- john@example.org\r\n\r\n"
                                            "Dowsing Time :- 07:45\r\n\r\n"
                                            "Dowsing Tool :- Rods\r\n\r\n"
                                            "Dowsin Item :- water\r\n\r\n"
                                            "Location :- BACK FIELD\r\n\r\n"
                                            "Notes :- Strong pull\r\nnear the oak\r\n\r\n");
    QCOMPARE(DowsingSheetText(fullRecord()), expected);
    // The number never shows on the sheet, even when it is large.
    DowsingRecord big = fullRecord();
    big.IdNumber = 4'000'000'000LL;
    QVERIFY(!DowsingSheetText(big).contains(QStringLiteral("4000000000")));
}

void tst_DowsingSheet::emptyRecord_thirteenNotEnteredParagraphs_data() {
    QTest::addColumn<bool>("withDateAndTime");
    QTest::newRow("every column empty") << false;
    QTest::newRow("every text column empty") << true;
}

void tst_DowsingSheet::emptyRecord_thirteenNotEnteredParagraphs() {
    QFETCH(bool, withDateAndTime);
    DowsingRecord r;
    r.IdNumber = 3;
    if (withDateAndTime) {
        r.Date = QDate(2006, 12, 31);
        r.Time_Dowsing_Occured = QStringLiteral("13:05");
    }
    const QString text = DowsingSheetText(r);
    const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(paragraphs.size(), 14); // thirteen, each ended by two line breaks
    QVERIFY(paragraphs.last().isEmpty());
    const QStringList labels = {u"Date :- "_s,         u"Name :- "_s,         u"Address :- "_s,      u"City :- "_s,
                                u"State :- "_s,        u"Pin :- "_s,          u"Phone Number :- "_s, u"Email :- "_s,
                                u"Dowsing Time :- "_s, u"Dowsing Tool :- "_s, u"Dowsing Item :- "_s, u"Location :- "_s,
                                u"Notes :- "_s};
    const QString notEntered = QStringLiteral("This data has not been entered");
    for (int i = 0; i < 13; ++i) {
        QString value = notEntered;
        if (withDateAndTime && i == 0) {
            value = QStringLiteral("12/31/2006");
        } else if (withDateAndTime && i == 8) {
            value = QStringLiteral("13:05");
        }
        QCOMPARE(paragraphs[i], labels[i] + value);
    }
    QCOMPARE(text.count(notEntered), withDateAndTime ? 11 : 13);
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))); // no line feed alone
}

void tst_DowsingSheet::itemLabel_losesItsGOnlyWithAValue_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("paragraph");
    QTest::newRow("Oil") << u"Oil"_s << u"Dowsin Item :- Oil"_s;
    QTest::newRow("empty") << u""_s << u"Dowsing Item :- This data has not been entered"_s;
    QTest::newRow("a blank is a value") << u" "_s << u"Dowsin Item :-  "_s;
}

void tst_DowsingSheet::itemLabel_losesItsGOnlyWithAValue() {
    QFETCH(QString, item);
    QFETCH(QString, paragraph);
    DowsingRecord r;
    r.Item_Dowsing_For = item;
    const QList<DowsingSheetParagraph> paragraphs = DowsingSheetParagraphs(r);
    QCOMPARE(paragraphs.size(), 13);
    QCOMPARE(paragraphs[10].label + paragraphs[10].text, paragraph);
}

void tst_DowsingSheet::dateText_isMonthDayYearInEveryLocale_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("7 March 2006") << QDate(2006, 3, 7) << "3/7/2006";
    QTest::newRow("31 December 2006") << QDate(2006, 12, 31) << "12/31/2006";
    QTest::newRow("1 January 1900") << QDate(1900, 1, 1) << "1/1/1900";
    QTest::newRow("no date") << QDate() << "";
}

void tst_DowsingSheet::dateText_isMonthDayYearInEveryLocale() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    const QLocale before;
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::Japanese}) {
        QLocale::setDefault(QLocale(language));
        QCOMPARE(DowsingDateText(date), text);
    }
    QLocale::setDefault(before);
}

void tst_DowsingSheet::gridColumns_followTheTableAndShowTheNumber() {
    DowsingRecord r = fullRecord();
    r.IdNumber = 40'000;
    QCOMPARE(DowsingColumnText(r, 0), QStringLiteral("3/7/2006"));
    QCOMPARE(DowsingColumnText(r, 8), QStringLiteral("07:45"));
    QCOMPARE(DowsingColumnText(r, 10), QStringLiteral("water"));
    QCOMPARE(DowsingColumnText(r, 12), r.Notes);
    QCOMPARE(DowsingColumnText(r, 13), QStringLiteral("40000"));
    QCOMPARE(DowsingColumnText(r, 14), QString());
}

void tst_DowsingSheet::rtf_typedTextNeverBecomesACommand_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << "Notes :- ok" << QByteArray("Notes :- ok");
    QTest::newRow("backslash") << "C:\\dowse" << QByteArray("C:\\\\dowse");
    QTest::newRow("braces") << "{x}" << QByteArray("\\{x\\}");
    QTest::newRow("an rtf group") << "{\\rtf1 \\par}" << QByteArray("\\{\\\\rtf1 \\\\par\\}");
    QTest::newRow("latin") << QString::fromUtf8("Jos\u00e9") << QByteArray("Jos\\u233\\'3f");
    QTest::newRow("above 0x7fff") << QString::fromUtf8("\uff21") << QByteArray("\\u-223\\'3f");
    QTest::newRow("beyond the basic plane")
        << QString::fromUtf8("\U0001F600") << QByteArray("\\u-10179\\'3f\\u-8704\\'3f");
    QTest::newRow("tab") << "a\tb" << QByteArray("a\\tab b");
    QTest::newRow("control characters") << QStringLiteral("a\x01\x7f"
                                                          "b")
                                        << QByteArray("ab");
    QTest::newRow("line separator") << QString(QChar::LineSeparator) << QByteArray("\\par\n");
}

void tst_DowsingSheet::rtf_typedTextNeverBecomesACommand() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    QTextDocument document;
    QTextCursor(&document).insertText(typed);
    QCOMPARE(body(DocumentToRtf(document, QStringLiteral("Verdana"), 9.75)), written);
}

void tst_DowsingSheet::rtf_boldRunsAndParagraphMarks() {
    // The sheet: bold throughout, paragraphs from its CR LF pairs.
    QTextDocument sheet;
    writeBold(sheet, QStringLiteral("Name :- JOHN\r\n\r\nCity :- YORK\r\n\r\n"));
    QCOMPARE(body(DocumentToRtf(sheet, QStringLiteral("Verdana"), 9.75)),
             QByteArray("\\b Name :- JOHN\\par\n\\par\nCity :- YORK\\par\n\\par\n"));

    // Bold switched on and off where the text says so, and only there.
    QTextDocument mixed;
    QTextCursor caret(&mixed);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    caret.insertText(QStringLiteral("a"));
    caret.insertText(QStringLiteral("b"), bold);
    caret.insertText(QStringLiteral("c"), QTextCharFormat());
    QCOMPARE(body(DocumentToRtf(mixed, QStringLiteral("Verdana"), 9.75)), QByteArray("a\\b b\\b0 c"));
}

void tst_DowsingSheet::rtf_headerNamesFontAndSize() {
    QTextDocument document;
    const QByteArray rtf = DocumentToRtf(document, QStringLiteral("Ver;dana"), 9.75);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"));
    QVERIFY(rtf.contains("\\fs20 "));
    QVERIFY(rtf.trimmed().endsWith('}'));
    QCOMPARE(rtf.count('{') - rtf.count("\\{"), rtf.count('}') - rtf.count("\\}"));
}

QTEST_MAIN(tst_DowsingSheet)
#include "tst_DowsingSheet.moc"

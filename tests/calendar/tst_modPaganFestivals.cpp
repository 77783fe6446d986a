#include "calendar/modPaganFestivals.h"

#include <QtTest>

using namespace modPaganFestivals;
using namespace Qt::StringLiterals;

namespace {
QString lines(const QStringList& parts) {
    return parts.join(QStringLiteral("\r\n"));
}
} // namespace

class tst_modPaganFestivals : public QObject {
    Q_OBJECT

  private slots:
    // Must run first: the table belongs to the whole run and starts empty.
    void beforeFirstFill_everySlotIsEmpty();

    void monthText_matchesCalendar_data();
    void monthText_matchesCalendar();
    void october_listsSamhainBeforeFontus_data();
    void october_listsSamhainBeforeFontus();
    void festivalsPerYear_data();
    void festivalsPerYear();
    void everyMonthText_carriesItsYearAndNoOuterLineBreaks();
    void yearsOutsideTable_haveNoText_data();
    void yearsOutsideTable_haveNoText();
    void refilling_changesNothing();
};

void tst_modPaganFestivals::beforeFirstFill_everySlotIsEmpty() {
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const auto text = FestivalMonthText(year, month);
            QVERIFY(text.has_value());
            QVERIFY2(text->isEmpty(), qPrintable(QStringLiteral("%1-%2").arg(year).arg(month)));
        }
    }
    FillFestivalTable();
}

void tst_modPaganFestivals::monthText_matchesCalendar_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("expected");

    QTest::newRow("January 2006") << 2006 << 1
                                  << lines({u"January 23, 2006"_s, u"Day of Braciaca(2 DAYS)23rd Onward"_s});
    QTest::newRow("January 2009") << 2009 << 1
                                  << lines({u"January 23, 2009"_s, u"Day of Braciaca(2 DAYS)23rd Onward"_s,
                                            u"January 9,2009"_s, u"Raud the Strong`s Day"_s});
    QTest::newRow("January 2012") << 2012 << 1
                                  << lines({u"January 23, 2012"_s, u"Day of Braciaca(2 DAYS)23rd Onward"_s,
                                            u"January 9,2012"_s, u"Raud the Strong`s Day"_s});
    QTest::newRow("February 2006") << 2006 << 2
                                   << lines({u"February 2, 2006"_s, u"IMBOLC"_s, u""_s, u"February 13, 2006"_s,
                                             u"Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward"_s, u""_s,
                                             u"February 28, 2006"_s, u"Day of Merriddyn"_s});
    QTest::newRow("March 2010") << 2010 << 3
                                << lines({u"March 1, 2010"_s, u"Feast of Merlin"_s, u""_s, u"March 3, 2010"_s,
                                          u"Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward"_s, u""_s,
                                          u"March 21, 2010"_s,
                                          u"SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 "
                                          u"DAYS)"_s});
    QTest::newRow("April 2008") << 2008 << 4 << lines({u"April 30, 2008"_s, u"BELTANE- and day of cernunnos"_s});
    QTest::newRow("April 2009") << 2009 << 4
                                << lines({u"April 30, 2009"_s, u"BELTANE- and day of cernunnos"_s, u"April 1,2009"_s,
                                          u"Loki's day"_s});
    QTest::newRow("May 2008") << 2008 << 5 << lines({u"May 23, 2008"_s, u"Day of Dark Goddess"_s});
    QTest::newRow("May 2011") << 2011 << 5
                              << lines(
                                     {u"May 23, 2011"_s, u"Day of Dark Goddess"_s, u"May 4,2011"_s, u"Bank Holiday"_s});
    QTest::newRow("June 2007") << 2007 << 6
                               << lines({u"June 5, 2007"_s, u"Rites of Harvest (10 DAYS) 5th June Onward"_s, u""_s,
                                         u"June 12, 2007"_s, u"Feast of Epona"_s, u""_s, u"June 17, 2007"_s,
                                         u"Festival of the Birds (6 DAYS) 17 June Onwards"_s, u""_s, u"June 21, 2007"_s,
                                         u"MIDSUMMER-(Litha)"_s, u""_s, u"June 23, 2007"_s,
                                         u"Well Blessing Rites to the Water Goddess"_s});
    QTest::newRow("July 2009") << 2009 << 7
                               << lines({u"July 13, 2009"_s, u"Feast of cerridwen"_s, u""_s, u"July 19, 2009"_s,
                                         u"Festival of the Forest Spirits (3 DAYS) 19th July Onward"_s});
    QTest::newRow("August 2006") << 2006 << 8
                                 << lines({u"August 1, 2006"_s, u"LUGHNASADH"_s, u""_s, u"August 5, 2006"_s,
                                           u"Day of Lugh"_s, u""_s, u"August 14, 2006"_s,
                                           u"Day of the Queen of Heaven"_s, u""_s, u"August 19, 2006"_s,
                                           u"Feast of the Late Wine"_s, u""_s, u"August 22, 2006"_s,
                                           u"Festival of the Heroes (4 DAYS) 22nd August Onward"_s});
    QTest::newRow("September 2006") << 2006 << 9
                                    << lines({u"September 7, 2006"_s, u"Birth of the Mother"_s, u""_s,
                                              u"September 21, 2006"_s, u"AUTUMN EQUINOX"_s, u""_s,
                                              u"September 24, 2006"_s,
                                              u"Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward"_s, u""_s,
                                              u"September 25, 2006"_s, u"Birth of Taliesin"_s});
    QTest::newRow("November 2012") << 2012 << 11
                                   << lines({u"November 1, 2012"_s, u"Feast of Ancestors"_s, u""_s,
                                             u"November 9, 2012"_s, u"Feast of Gods of Harvest and hunt(3 DAYS)"_s});
    const auto december = [](int year, const char* lastName) {
        const QString y = QString::number(year);
        return lines({u"December 2, "_s + y, u"Feast of Rhiannon"_s, u""_s, u"December 12, "_s + y,
                      u"day of Bellisama"_s, u""_s, u"December 13, "_s + y, u"Festival of Lights"_s, u""_s,
                      u"December 21, "_s + y, u"YULE"_s, u""_s, u"December 23, "_s + y,
                      u"Yuletide Tree and Elder Festival"_s, u""_s, u"December 28, "_s + y,
                      QString::fromLatin1(lastName)});
    };
    QTest::newRow("December 2006") << 2006 << 12
                                   << december(2006, "Festival of Wine and pleasure (4 DAYS) 28th Dec Onward");
    QTest::newRow("December 2007") << 2007 << 12
                                   << december(2007, "Festival of Wine and pleasure (4 DAYS) 28th Dec Onward");
    QTest::newRow("December 2008") << 2008 << 12
                                   << december(2008, "Festival of Wine and pleasure (4 DAYS) 28th December Onward");
    QTest::newRow("December 2012") << 2012 << 12
                                   << december(2012, "Festival of Wine and pleasure (4 DAYS) 28th December Onward");
}

void tst_modPaganFestivals::monthText_matchesCalendar() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, expected);

    FillFestivalTable();
    const auto text = FestivalMonthText(year, month);
    QVERIFY(text.has_value());
    QCOMPARE(*text, expected);
}

void tst_modPaganFestivals::october_listsSamhainBeforeFontus_data() {
    QTest::addColumn<int>("year");
    for (int year = 2006; year <= 2012; ++year) {
        QTest::addRow("October %d", year) << year;
    }
}

void tst_modPaganFestivals::october_listsSamhainBeforeFontus() {
    QFETCH(int, year);
    const QString y = QString::number(year);
    FillFestivalTable();
    QCOMPARE(FestivalMonthText(year, 10).value_or(QString()),
             lines({u"October 23, "_s + y, u"SAMHAIN"_s, u""_s, u"October 13, "_s + y, u"Fontus festival"_s}));
}

void tst_modPaganFestivals::festivalsPerYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("festivals");
    QTest::addColumn<int>("blankLines");
    // Every main entry but the first of each month is preceded by a blank line: 35 - 12 = 23.
    for (int year = 2006; year <= 2012; ++year) {
        QTest::addRow("%d", year) << year << (year < 2009 ? 35 : 38) << 23;
    }
}

void tst_modPaganFestivals::festivalsPerYear() {
    QFETCH(int, year);
    QFETCH(int, festivals);
    QFETCH(int, blankLines);

    FillFestivalTable();
    int dates = 0;
    int blanks = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString text = FestivalMonthText(year, month).value_or(QString());
        // Each date text is the only place the year appears, once per festival.
        dates += text.count(QString::number(year));
        blanks += text.count(QStringLiteral("\r\n\r\n"));
    }
    QCOMPARE(dates, festivals);
    QCOMPARE(blanks, blankLines);
}

void tst_modPaganFestivals::everyMonthText_carriesItsYearAndNoOuterLineBreaks() {
    FillFestivalTable();
    const QRegularExpression dateLine(QStringLiteral("^([A-Z][a-z]+) (\\d{1,2}),( ?)(\\d{4})$"));
    for (int year = 2006; year <= 2012; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QString where = QStringLiteral("%1-%2").arg(year).arg(month);
            const QString text = FestivalMonthText(year, month).value_or(QString());
            QVERIFY2(!text.isEmpty(), qPrintable(where));
            QVERIFY2(!text.startsWith(QLatin1Char('\r')) && !text.startsWith(QLatin1Char('\n')), qPrintable(where));
            QVERIFY2(!text.endsWith(QLatin1Char('\r')) && !text.endsWith(QLatin1Char('\n')), qPrintable(where));
            // Only CR LF pairs, never a lone CR or LF.
            QCOMPARE(text.count(QLatin1Char('\r')), text.count(QLatin1Char('\n')));
            QCOMPARE(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));

            const QStringList parts = text.split(QStringLiteral("\r\n"));
            const QString monthName = EnglishMonthName(month);
            for (int i = 0; i < parts.size(); ++i) {
                const auto match = dateLine.match(parts[i]);
                if (!match.hasMatch()) {
                    continue;
                }
                QCOMPARE(match.captured(1), monthName);
                QCOMPARE(match.captured(4).toInt(), year);
                // A date without a blank after its comma follows directly on the month's first name.
                if (match.captured(3).isEmpty()) {
                    QCOMPARE(i, 2);
                }
            }
        }
    }
}

void tst_modPaganFestivals::yearsOutsideTable_haveNoText_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::newRow("2005") << 2005 << 12;
    QTest::newRow("2013") << 2013 << 1;
    QTest::newRow("year 0") << 0 << 1;
    QTest::newRow("month 0") << 2008 << 0;
    QTest::newRow("month 13") << 2008 << 13;
    QTest::newRow("negative") << -2006 << -1;
}

void tst_modPaganFestivals::yearsOutsideTable_haveNoText() {
    QFETCH(int, year);
    QFETCH(int, month);
    FillFestivalTable();
    QVERIFY(!FestivalMonthText(year, month).has_value());
}

void tst_modPaganFestivals::refilling_changesNothing() {
    FillFestivalTable();
    QStringList first;
    for (int slot = 0; slot < MonthTextCount; ++slot) {
        first << FestivalMonthText(FirstYear + slot / 12, slot % 12 + 1).value_or(QString());
    }
    FillFestivalTable();
    for (int slot = 0; slot < MonthTextCount; ++slot) {
        QCOMPARE(FestivalMonthText(FirstYear + slot / 12, slot % 12 + 1).value_or(QString()), first[slot]);
    }
}

QTEST_APPLESS_MAIN(tst_modPaganFestivals)
#include "tst_modPaganFestivals.moc"

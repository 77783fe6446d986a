#include "data/KeyedPages.h"

#include <QtTest>

// Rows read a page at a time by key, from a table whose keys have gaps, against the table itself.
class tst_KeyedPages : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void anyOrderOfReading_givesEachPositionItsRow_data();
    void anyOrderOfReading_givesEachPositionItsRow();
    void jumpingToTheEnd_readsBackFromIt_withoutSkippingRows();
    void appendAndRemove_keepPositionsInStep();
    void unreadablePage_isNotAskedForAgainUntilRetried();

  private:
    using Pages = KeyedPages<qint64>;
    Pages pagesOver(int pageSize, int kept);

    QList<qint64> table_; // ascending keys with gaps
    QList<Pages::Request> asked_;
    bool refuse_ = false;
};

void tst_KeyedPages::init() {
    table_.clear();
    for (qint64 key = 1; key <= 1000; ++key) {
        if (key % 7 != 0) {
            table_.append(key * 3);
        }
    }
    asked_.clear();
    refuse_ = false;
}

// The rows the store would give for a request, straight from the list.
tst_KeyedPages::Pages tst_KeyedPages::pagesOver(int pageSize, int kept) {
    return Pages(
        table_.size(), pageSize, kept,
        [this](const Pages::Request& r) -> std::optional<QList<qint64>> {
            asked_.append(r);
            if (refuse_) {
                return std::nullopt;
            }
            QList<qint64> rows;
            QList<qint64> order = table_;
            if (r.descending) {
                std::reverse(order.begin(), order.end());
            }
            qint64 skip = r.skip;
            for (qint64 key : order) {
                const bool inRange = !r.bound || (r.descending ? key < *r.bound : key > *r.bound);
                if (inRange && skip-- <= 0 && rows.size() < r.limit) {
                    rows.append(key);
                }
            }
            return rows;
        },
        [](const qint64& key) { return key; });
}

void tst_KeyedPages::anyOrderOfReading_givesEachPositionItsRow_data() {
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("kept");
    QTest::newRow("first to last") << QList<int>{0, 1, 63, 64, 200, 500, 856, 857} << 8;
    QTest::newRow("last to first") << QList<int>{856, 800, 799, 512, 100, 1, 0} << 8;
    QTest::newRow("end, then middle, then start") << QList<int>{856, 430, 0, 431, 855} << 8;
    QTest::newRow("one page kept") << QList<int>{0, 856, 64, 792, 63, 128} << 1;
}

void tst_KeyedPages::anyOrderOfReading_givesEachPositionItsRow() {
    QFETCH(QList<int>, positions);
    QFETCH(int, kept);
    Pages pages = pagesOver(64, kept);
    QCOMPARE(pages.rowCount(), 858);
    for (int position : positions) {
        const qint64* row = pages.at(position);
        QVERIFY2(row, qPrintable(QString::number(position)));
        QCOMPARE(*row, table_.at(position));
    }
    QVERIFY(!pages.at(858));
    QVERIFY(!pages.at(-1));
}

void tst_KeyedPages::jumpingToTheEnd_readsBackFromIt_withoutSkippingRows() {
    Pages pages = pagesOver(64, 8);
    QCOMPARE(*pages.at(0), table_.first());
    QCOMPARE(*pages.at(857), table_.last());
    // The last page is the rows before the end, not the rows after the first 832.
    QCOMPARE(asked_.last().descending, true);
    QCOMPARE(asked_.last().skip, 0);
    QCOMPARE(asked_.last().limit, 858 % 64);
    // The page before it is read by key from the one at hand.
    QCOMPARE(*pages.at(800), table_.at(800));
    QVERIFY(asked_.last().bound.has_value());
    QCOMPARE(asked_.last().skip, 0);
    QCOMPARE(pages.pagesRead(), 3);
}

void tst_KeyedPages::appendAndRemove_keepPositionsInStep() {
    Pages pages = pagesOver(64, 8);
    QCOMPARE(*pages.at(857), table_.last());
    table_.append(5000);
    pages.append(5000);
    QCOMPARE(pages.rowCount(), 859);
    QCOMPARE(*pages.at(858), qint64(5000));
    const int read = pages.pagesRead();
    QCOMPARE(*pages.at(856), table_.at(856));
    QCOMPARE(pages.pagesRead(), read);

    // Removals inside a run of pages at hand, before it, and in the last page.
    for (int at : {70, 130, 200, 260}) {
        QVERIFY(pages.at(at));
    }
    for (int chosen : {100, 0, 856, 300, -1}) {
        const int position = chosen < 0 ? int(table_.size()) - 1 : chosen; // -1: the last row
        table_.removeAt(position);
        pages.removeAt(position);
        QCOMPARE(pages.rowCount(), table_.size());
        QCOMPARE(*pages.at(position - 1 < 0 ? 0 : position - 1), table_.at(position - 1 < 0 ? 0 : position - 1));
    }
    const int before = pages.pagesRead();
    QCOMPARE(*pages.at(int(table_.size()) - 1), table_.last());
    QCOMPARE(pages.pagesRead(), before); // the last page moved up in place, not read again
    for (int at = 0; at < table_.size(); ++at) {
        QCOMPARE(*pages.at(at), table_.at(at));
    }
    QVERIFY(pages.at(5));
    pages.replaceAt(5, 11);
    QCOMPARE(*pages.at(5), qint64(11));
}

void tst_KeyedPages::unreadablePage_isNotAskedForAgainUntilRetried() {
    Pages pages = pagesOver(64, 8);
    refuse_ = true;
    QVERIFY(!pages.at(10));
    QVERIFY(!pages.at(11));
    QCOMPARE(asked_.size(), 1);
    refuse_ = false;
    QVERIFY(!pages.at(12));
    pages.retryFailed();
    QCOMPARE(*pages.at(12), table_.at(12));
}

QTEST_GUILESS_MAIN(tst_KeyedPages)
#include "tst_KeyedPages.moc"

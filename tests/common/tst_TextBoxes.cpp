#include "ui/TextBoxes.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// How the multi-line boxes wrap what they show: a run too long to look ahead through wraps anywhere.
class tst_TextBoxes : public QObject {
    Q_OBJECT

  private slots:
    void wrapMode_data();
    void wrapMode();
    void box_followsItsText_shownTypedOrPasted();
};

void tst_TextBoxes::wrapMode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("anywhere");
    const QString run(1000, QLatin1Char('x'));
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("a megabyte of words") << u"abcdefg "_s.repeated(131072) << false;
    QTest::newRow("longest run that still wraps at words") << run + u" "_s + run << false;
    QTest::newRow("one character more") << run + u"x"_s << true;
    QTest::newRow("runs cut by line breaks") << run + u"\r\n"_s + run + u"\t"_s + run << false;
    QTest::newRow("a megabyte without a blank") << QString(1 << 20, QLatin1Char('z')) << true;
    QTest::newRow("long run after words") << u"some words "_s + run + u"xy"_s << true;
}

void tst_TextBoxes::wrapMode() {
    QFETCH(QString, text);
    QFETCH(bool, anywhere);
    QCOMPARE(WrapModeFor(text), anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void tst_TextBoxes::box_followsItsText_shownTypedOrPasted() {
    QPlainTextEdit box;
    KeepWrapFitted(&box);
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    ShowStoredText(&box, QString(5000, QLatin1Char('m')));
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(box.toPlainText().size(), 5000);
    ShowStoredText(&box, QStringLiteral("short words\r\nagain"));
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.insertPlainText(QString(2000, QLatin1Char('p')));
    QCOMPARE(box.wordWrapMode(), QTextOption::WrapAnywhere);
}

QTEST_MAIN(tst_TextBoxes)
#include "tst_TextBoxes.moc"

#include "calendar/PaganLore.h"
#include "calendar/PaganPictures.h"

#include <QtTest>
#include <span>

namespace {

enum Group { Seasons, Elements, Gods, Goddesses, Standalone };

std::span<const PaganLore::Subject> subjects(Group group) {
    switch (group) {
    case Seasons:
        return PaganLore::FestiveSeasons();
    case Elements:
        return PaganLore::Elements();
    case Gods:
        return PaganLore::Gods();
    case Goddesses:
        return PaganLore::Goddesses();
    case Standalone:
        break;
    }
    return {};
}

} // namespace

class tst_PaganLore : public QObject {
    Q_OBJECT

  private slots:
    void subjectText_hasLengthAndOpening_data();
    void subjectText_hasLengthAndOpening();
    void standaloneText_hasLengthAndOpening_data();
    void standaloneText_hasLengthAndOpening();
    void tabCounts_matchTabControls_data();
    void tabCounts_matchTabControls();
    void texts_areSingleParagraphsOfTheirOwn();
    void pictures_areDrawnAndTellSubjectsApart();
};

void tst_PaganLore::subjectText_hasLengthAndOpening_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");

    struct Row {
        Group group;
        int index;
        const char* caption;
        int length;
        const char* opening;
    };
    const Row rows[] = {
        {Seasons, 0, "Yule", 379, "This is generally celebrated during the winter time i.e. from December 23-25."},
        {Seasons, 1, "Candlemas", 311,
         "This day is observed on 2nd February as the birthday of Brigid - the goddess of inspiration and fire."},
        {Seasons, 2, "Eostar", 282, "Observed within March 20-23, this day is the start of the Pagan year of springs."},
        {Seasons, 3, "Samhain", 370, "Also known as the Halloween, this day is celebrated on October 31st."},
        {Seasons, 4, "Mabon", 171,
         "Though the period from September 20-23 is observed as a holiday, but this day is not so widely celebrated "
         "and looked upon."},
        {Seasons, 5, "Litha", 393,
         "Observed during the summer time i.e. from June 20-23, this festival is held on the longest day."},
        {Seasons, 6, "Beltan", 497, "The most important festive for the Pagans after Samhain."},
        {Seasons, 7, "Lughnasad", 199, "1st August is the day of Lughnasad."},
        {Elements, 0, "Earth", 778, "This is the element which is associated with the North direction."},
        {Elements, 1, "Air", 604, "This is the element which is associated with the East direction."},
        {Elements, 2, "Fire", 779, "Fire is the element of Energy; it also represents action and activeness."},
        {Elements, 3, "Water", 765, "This is the element which is associated with the West direction."},
        {Elements, 4, "Spirit", 485,
         "This is the element which is associated with the center; the element which is associated with the realm "
         "of the gods."},
        {Gods, 0, "Angus of the Brugh", 370, "Angus is the son of Dagda."},
        {Gods, 1, "Cernunnos", 407, "The god of virility flanked by the ram-headed serpent and a stag."},
        {Gods, 2, "Dagda", 599, "\"The Good God' is the father of Angus."},
        {Gods, 3, "Dian Cecht", 460, "The healer god."},
        {Gods, 4, "Dis Pater", 172, "Originally a god of death and the underworld, later the chief god of the Gauls."},
        {Gods, 5, "Donn", 132, "The god of storms and thunders."},
        {Gods, 6, "Esus", 190, "The god of Gauls who is very often portrayed as woodcutter."},
        {Gods, 7, "Govannon", 409, "The god of weapons and armors- the smith god."},
        {Gods, 8, "Lug or Lugh", 409, "The sun god."},
        {Gods, 9, "Nuadhu or Nud/ Nodens/ Lud", 358, "He is the god of healing and water."},
        {Gods, 10, "Ogmios", 218, "The god of language, eloquence and genius."},
        {Gods, 11, "Sucellus", 182, "He is the god of forest and agriculture."},
        {Goddesses, 0, "Arianrhod", 297, "Arianrhod means Silver Circle; she is the Goddess of Virgin."},
        {Goddesses, 1, "Badb", 431, "The Goddess of war who is known to use her magic to decide war."},
        {Goddesses, 2, "Brighit or Brigit", 506, "Brigit is the goddess of craftsmanship, healing and metalwork."},
        {Goddesses, 3, "Caridwen or Hen Wen", 337, "The goddess of grains and corns."},
        {Goddesses, 4, "Danu", 290, "Danu is the Mother goddess."},
        {Goddesses, 5, "Epona", 413, "The goddess of horse."},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.caption) << int(row.group) << row.index << QString::fromLatin1(row.caption) << row.length
                                   << QString::fromLatin1(row.opening);
    }
}

void tst_PaganLore::subjectText_hasLengthAndOpening() {
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, length);
    QFETCH(QString, opening);

    const auto list = subjects(Group(group));
    QVERIFY(index < int(list.size()));
    const PaganLore::Subject& subject = list[index];
    QCOMPARE(subject.captionText(), caption);
    const QString text = subject.bodyText();
    QCOMPARE(text.size(), length);
    QVERIFY2(text.startsWith(opening + QLatin1Char(' ')), qPrintable(text.left(opening.size() + 1)));
}

void tst_PaganLore::standaloneText_hasLengthAndOpening_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");

    QTest::newRow("Label1 and Label3") << PaganLore::Introduction() << 260
                                       << "The term Pagan is taken from the Latin word 'Paganus'";
    QTest::newRow("Label2") << PaganLore::OldReligion() << 722 << "The oldest known religion to humanity is Paganism. ";
    QTest::newRow("Label5") << PaganLore::OldCalendar() << 1198
                            << "One of the most significant things in the ancient Anglo-Saxon culture is the old "
                               "pagan calendar. ";
}

void tst_PaganLore::standaloneText_hasLengthAndOpening() {
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QCOMPARE(text.size(), length);
    QVERIFY(text.startsWith(opening));
}

void tst_PaganLore::tabCounts_matchTabControls_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("tabs");
    QTest::newRow("SSTFestiveSeasons") << int(Seasons) << 8;
    QTest::newRow("SSTElements") << int(Elements) << 5;
    QTest::newRow("SSTGods") << int(Gods) << 12;
    QTest::newRow("SSTGoddesses") << int(Goddesses) << 6;
}

void tst_PaganLore::tabCounts_matchTabControls() {
    QFETCH(int, group);
    QFETCH(int, tabs);
    QCOMPARE(int(subjects(Group(group)).size()), tabs);
}

void tst_PaganLore::texts_areSingleParagraphsOfTheirOwn() {
    QStringList all{PaganLore::Introduction(), PaganLore::OldReligion(), PaganLore::OldCalendar()};
    for (Group group : {Seasons, Elements, Gods, Goddesses}) {
        for (const PaganLore::Subject& subject : subjects(group)) {
            all << subject.bodyText();
        }
    }
    QCOMPARE(all.size(), 34);
    for (const QString& text : all) {
        // Labels wrap the text themselves: a stray break or double blank would show as a gap.
        QVERIFY2(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')), qPrintable(text.left(40)));
        QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(text.left(40)));
        QVERIFY2(!text.endsWith(QLatin1Char(' ')), qPrintable(text.left(40)));
        QCOMPARE(all.count(text), 1);
    }
}

void tst_PaganLore::pictures_areDrawnAndTellSubjectsApart() {
    QList<QImage> seen;
    for (int i = 0; i < PaganPictures::SubjectCount; ++i) {
        const QImage image = PaganPictures::Draw(PaganPictures::Subject(i), QSize(96, 80));
        QCOMPARE(image.size(), QSize(96, 80));
        // Square pictures are centred: the margins stay clear, the middle is painted.
        QCOMPARE(qAlpha(image.pixel(2, 40)), 0);
        QCOMPARE(qAlpha(image.pixel(48, 40)), 255);
        for (const QImage& other : seen) {
            QVERIFY2(other != image, qPrintable(QString::number(i)));
        }
        seen << image;
    }
    QVERIFY(PaganPictures::Draw(PaganPictures::Subject::Lug, QSize()).isNull());
}

QTEST_GUILESS_MAIN(tst_PaganLore)
#include "tst_PaganLore.moc"

#include "core/Application.h"
#include "core/Clock.h"
#include "support/TestSupport.h"
#include "ui/UpdateReminder.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTest>

namespace {
const QDate kToday(2009, 3, 1);

QSettings userSettings() {
    return QSettings(ExecutableName(), ExecutableName());
}

QString storedDate() {
    return userSettings().value(UpdateReminderKey).toString();
}

void storeDate(const QString& text) {
    QSettings settings = userSettings();
    settings.setValue(UpdateReminderKey, text);
    settings.sync();
}
} // namespace

class tst_UpdateReminder : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        SetToday(kToday);
    }
    void cleanup() { env.reset(); }

    void firstRun_storesTodayWithoutAsking() {
        CheckForUpdateReminder();
        QVERIFY(env->boxes.shown().isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2009-03-01"));
        // The value lives in the private settings folder, under the program's name.
        QVERIFY(QDir(env->settingsFolder()).exists(ExecutableName() + u"/"_s + ExecutableName() + u".conf"_s));
    }

    // A value that reads as no date would otherwise stay for good and silence the reminder.
    void emptyOrUnreadableValue_countsAsFirstRun_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << QString();
        QTest::newRow("words") << QStringLiteral("next week");
        QTest::newRow("a day the month lacks") << QStringLiteral("2009-02-30");
        QTest::newRow("short date of another locale") << QStringLiteral("3/1/2009");
    }
    void emptyOrUnreadableValue_countsAsFirstRun() {
        QFETCH(QString, stored);
        storeDate(stored);
        CheckForUpdateReminder();
        QVERIFY(env->boxes.shown().isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2009-03-01"));
    }

    void distance_decidesTheQuestion_data() {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << false;
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("a year ago") << -365 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("15 days ahead") << 15 << true;
        QTest::newRow("20 days ahead (clock set back)") << 20 << true;
    }
    void distance_decidesTheQuestion() {
        QFETCH(int, daysFromToday);
        QFETCH(bool, asks);
        const QString stored = kToday.addDays(daysFromToday).toString(Qt::ISODate);
        storeDate(stored);
        if (asks) {
            env->boxes.answer(MsgResult::No);
        }
        CheckForUpdateReminder();
        QCOMPARE(env->boxes.shown().size(), asks ? 1 : 0);
        QCOMPARE(storedDate(), asks ? QStringLiteral("2009-03-01") : stored);
        QVERIFY(env->pages.urls.isEmpty());
    }

    void answers_openThePageOnlyForYes_andAlwaysStoreToday_data() {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("yes") << MsgResult::Yes << QStringList{u"download-web-page"_s};
        QTest::newRow("no") << MsgResult::No << QStringList{};
    }
    void answers_openThePageOnlyForYes_andAlwaysStoreToday() {
        QFETCH(MsgResult, answer);
        QFETCH(QStringList, pages);
        storeDate(u"2009-02-14"_s);
        env->boxes.answer(answer);
        CheckForUpdateReminder();
        QCOMPARE(env->pages.pageKeys(), pages);
        QCOMPARE(storedDate(), QStringLiteral("2009-03-01"));

        // A second call on the same day asks nothing.
        CheckForUpdateReminder();
        QCOMPARE(env->boxes.shown().size(), 1);
        QCOMPARE(env->pages.pageKeys(), pages);
    }

    void question_isExact() {
        storeDate(u"2008-01-01"_s);
        env->boxes.answer(MsgResult::No);
        CheckForUpdateReminder();
        const MessageRequest box = env->boxes.shown().value(0);
        QCOMPARE(box.title, QStringLiteral("Velloran"));
        QCOMPARE(
            box.text,
            QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
    }

    // The real box lays the lone carriage return out as a line break, Yes and No as its buttons.
    void realBox_showsTwoLines() {
        SetMessageBoxHandler({});
        storeDate(u"2008-01-01"_s);
        QString shownText;
        QString shownTitle;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        WhenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shownText = box->text();
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            QVERIFY(box->button(QMessageBox::Yes));
            box->button(QMessageBox::No)->click();
        });
        CheckForUpdateReminder();
        QCOMPARE(
            shownText,
            QStringLiteral("There maybe an update to this software available\nDo you want to check for an update?"));
        QCOMPARE(shownTitle, QStringLiteral("Velloran"));
        QCOMPARE(shownIcon, QMessageBox::Information);
        QVERIFY(env->pages.urls.isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2009-03-01"));
    }

  private:
    std::unique_ptr<TestEnvironment> env;
};

QTEST_MAIN(tst_UpdateReminder)
#include "tst_UpdateReminder.moc"

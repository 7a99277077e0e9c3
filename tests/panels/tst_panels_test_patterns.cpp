#include "panels/test_patterns.h"

#include "image_panel_rig.h"
#include "support/test_main.h"

using namespace kvx;
using namespace kvx::test;

Q_DECLARE_METATYPE(kvx::TestPattern)

namespace {

QByteArray repeated(const char *spaced, int times)
{
    return hexBytes(spaced).repeated(times);
}

QByteArray ramp(int count)
{
    QByteArray b;
    for (int i = 0; i < count; ++i)
        b.append(char(i % 256));
    return b;
}

} // namespace

class TestPanelsTestPatterns : public QObject
{
    Q_OBJECT
private slots:
    void eachPatternFillsColumnsByItsRule_data()
    {
        QTest::addColumn<TestPattern>("pattern");
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("all off") << TestPattern::AllOff << 0 << 3 << 2 << QByteArray(6, '\0');
        QTest::newRow("all on 100x3") << TestPattern::AllOn << 0 << 100 << 3 << repeated("FF", 300);
        QTest::newRow("stripe 1, two bytes a column")
            << TestPattern::Stripe << 0 << 5 << 2 << hexBytes("88 88 44 44 22 22 11 11 88 88");
        QTest::newRow("stripe 2") << TestPattern::Stripe << 1 << 4 << 1 << hexBytes("44 22 11 88");
        QTest::newRow("stripe 3 starts with 22") << TestPattern::Stripe << 2 << 3 << 1 << hexBytes("22 11 88");
        QTest::newRow("stripe 4") << TestPattern::Stripe << 3 << 2 << 1 << hexBytes("11 88");
        QTest::newRow("checker one byte high") << TestPattern::Checker << 0 << 4 << 1 << hexBytes("55 AA 55 AA");
        QTest::newRow("checker by column") << TestPattern::Checker << 0 << 2 << 2 << hexBytes("55 55 AA AA");
        QTest::newRow("ramp 100x3 wraps") << TestPattern::IncrementalBinary << 0 << 100 << 3 << ramp(300);
        QTest::newRow("no columns") << TestPattern::AllOn << 0 << 0 << 3 << QByteArray();
    }
    void eachPatternFillsColumnsByItsRule()
    {
        QFETCH(TestPattern, pattern);
        QFETCH(int, phase);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QByteArray, bytes);
        QCOMPARE(testPatternBytes(pattern, x, y, phase), bytes);
    }

    void aPatternGoesOutAsOneBitImageAndIsLogged()
    {
        ImagePanelRig rig;
        TestPatternPanel panel(rig.ctx);
        QCOMPARE(panel.CmdAllOn_Click(QStringLiteral("100"), QStringLiteral("3")), SendResult::Sent);
        QCOMPARE(rig.sink.commands.size(), 1);
        QCOMPARE(rig.sink.commands[0], hexBytes("1F 28 66 11 64 00 03 00 01") + repeated("FF", 300));
        QCOMPARE(rig.logged.size(), 1);
        QCOMPARE(rig.logged[0].first, QStringLiteral("BitImageDisplay xSize=100 ySize=3 test pattern"));
        QCOMPARE(rig.logged[0].second,
                 QStringLiteral("-----OpCode----- xL  xH  yL  yH  01  d1  d2  d3  .   .   .   "
                                "(x:Width)(y:Height)(d:BmpData 0 - 255)"));
    }

    void sizesAreReadAsRoundedLeadingNumbers()
    {
        ImagePanelRig rig;
        TestPatternPanel panel(rig.ctx);
        panel.CmdTestStripe_Click(2, QStringLiteral(" 2.5 dots"), QStringLiteral("1.4"));
        QCOMPARE(rig.sink.commands.value(0), hexBytes("1F 28 66 11 02 00 01 00 01 22 11"));
    }

    void sizesTheModuleCannotTakeAreRefused_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("message");
        const QString en = QStringLiteral("Image size is too large.");
        QTest::newRow("empty width") << "English"
                                     << ""
                                     << "3" << en;
        QTest::newRow("zero height") << "English"
                                     << "100"
                                     << "0" << en;
        QTest::newRow("negative width") << "English"
                                        << "-5"
                                        << "3" << en;
        QTest::newRow("wider than the module") << "English"
                                               << "513"
                                               << "8" << en;
        QTest::newRow("higher than the module") << "English"
                                                << "256"
                                                << "9" << en;
        QTest::newRow("beyond any number") << "English"
                                           << "1e300"
                                           << "1" << en;
        QTest::newRow("japanese") << "Japanese"
                                  << "256"
                                  << "9" << QStringLiteral("画像が大きすぎます。");
    }
    void sizesTheModuleCannotTakeAreRefused()
    {
        QFETCH(QString, language);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(QString, message);
        ImagePanelRig rig; // 256 x 64 dots
        rig.state.UILanguage = language;
        TestPatternPanel panel(rig.ctx);
        QCOMPARE(panel.CmdTextChecker_Click(x, y), SendResult::Skipped);
        QVERIFY(rig.sink.commands.isEmpty());
        QVERIFY(rig.logged.isEmpty());
        QCOMPARE(rig.dialogs.shown, QStringList{message});
    }
};

KVX_TEST_MAIN(TestPanelsTestPatterns)
#include "tst_panels_test_patterns.moc"

#include "support/test_main.h"
#include "tutorial/achievement_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kvx;

namespace {

TopicCounts counts(std::initializer_list<int> values)
{
    TopicCounts c{};
    int i = 0;
    for (int v : values)
        c[i++] = v;
    return c;
}

const QByteArray Header = QByteArray("V1.0 \xe7\x9b\xb4\xe3\x81\xab\xe8\xa7\xa6\xe3\x81\xa3\xe3\x81\xa1\xe3\x82\x83"
                                     "\xe3\x81\xa0\xe3\x82\x81\xe3\x80\x82");

} // namespace

class TestTutorialRecord : public QObject
{
    Q_OBJECT
private slots:
    void formatIsExact()
    {
        const QByteArray bytes = achievement_record::format(counts({2, 3, 0, 1, 0, 0, 0, 5, 0, 0, 0, 0, 10}));
        QCOMPARE(
            bytes,
            Header
                + "\r\n 2 \r\n 3 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 10 \r\n");
        QCOMPARE(QString::fromUtf8(Header), QString::fromUtf8("V1.0 直に触っちゃだめ。"));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> zeros(13, 0);
        QTest::newRow("empty") << QByteArray() << zeros;
        QTest::newRow("header only") << Header + "\r\n" << zeros;
        QTest::newRow("ends after the second count") << Header + "\r\n 2 \r\n 1 \r\n"
                                                     << QList<int>{2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("LF line ends, no blanks")
            << Header + "\n1\n2\n3\n1\n1\n2\n2\n5\n2\n2\n3\n1\n5" << QList<int>{1, 2, 3, 1, 1, 2, 2, 5, 2, 2, 3, 1, 5};
        QTest::newRow("garbage stops the reading") << Header + "\r\n 1 \r\nabc\r\n 2 \r\n"
                                                   << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("counts held to 0..checkpoints") << Header + "\r\n 99 \r\n-1 \r\n 4 \r\n"
                                                       << QList<int>{2, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("binary junk") << QByteArray("\xff\xfe\x00\x01\n\x80\x81", 7) << zeros;
    }
    void parse()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, expected);
        const TopicCounts c = achievement_record::parse(content);
        QCOMPARE(QList<int>(c.begin(), c.end()), expected);
    }

    void roundTripAndMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("enma.tmp");
        QCOMPARE(achievement_record::load(path), TopicCounts{});
        const TopicCounts c = counts({2, 3, 4, 1, 1, 2, 2, 5, 2, 2, 3, 1, 5});
        QVERIFY(achievement_record::save(path, c).ok);
        QCOMPARE(achievement_record::load(path), c);
        QVERIFY(achievement_record::save(path, TopicCounts{}).ok);
        QCOMPARE(achievement_record::load(path), TopicCounts{});
    }

    void failedSaveIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const FileWriteResult saved = achievement_record::save(blocker.fileName() + "/enma.tmp", TopicCounts{});
        QVERIFY(!saved.ok);
        QVERIFY(!saved.error.isEmpty());
    }

    void livesInTheProgramFolder()
    {
        const QString path = achievement_record::defaultPath();
        QVERIFY(path.endsWith("/Telmarin/KVX35P/enma.tmp"));
        QVERIFY(path.startsWith(QDir::homePath()));
    }
};

KVX_TEST_MAIN(TestTutorialRecord)
#include "tst_tutorial_record.moc"

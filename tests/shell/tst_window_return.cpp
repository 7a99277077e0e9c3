#include "shell/window_return.h"
#include "support/test_main.h"

using namespace kvx;
using Settle = WindowReturn::Settle;

// A window hidden with its frame at (527, 165) and its client area at (528, 202): a
// frame one point wide with a 37-point title bar.
class TestWindowReturn : public QObject
{
    Q_OBJECT
private slots:
    void theFrameDecidesOnceItIsKnown_data()
    {
        QTest::addColumn<QPoint>("frame");
        QTest::addColumn<QPoint>("client");
        QTest::addColumn<Settle>("settle");
        QTest::newRow("framed where it stood") << QPoint(527, 165) << QPoint(528, 202) << Settle::InPlace;
        QTest::newRow("placed anew by the window manager") << QPoint(13, 40) << QPoint(14, 77) << Settle::MoveBack;
        QTest::newRow("lifted by its title bar") << QPoint(527, 128) << QPoint(528, 165) << Settle::MoveBack;
        // Taking either for the frame's place would move the window by the frame.
        QTest::newRow("mapped, no frame reported yet") << QPoint(528, 202) << QPoint(528, 202) << Settle::FrameUnknown;
        QTest::newRow("another frame offset") << QPoint(527, 165) << QPoint(528, 185) << Settle::FrameUnknown;
    }
    void theFrameDecidesOnceItIsKnown()
    {
        QFETCH(QPoint, frame);
        QFETCH(QPoint, client);
        QFETCH(Settle, settle);
        WindowReturn r;
        r.remember(QPoint(527, 165), QPoint(528, 202));
        QCOMPARE(r.clientPlace(), QPoint(528, 202));
        QCOMPARE(r.settle(frame, client), settle);
    }
};

KVX_TEST_MAIN(TestWindowReturn)
#include "tst_window_return.moc"

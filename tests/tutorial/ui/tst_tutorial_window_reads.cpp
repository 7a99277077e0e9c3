#include "support/started_window.h"
#include "support/test_main.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

using namespace kvx;

// What the tutorial's later steps read of the main window, through the real panels'
// controls by the object names the steps use.
class TestTutorialWindowReads : public QObject
{
    Q_OBJECT
private slots:
    void readsByObjectName()
    {
        test::StartedWindow s;
        MainWindow &w = s.window;

        QCOMPARE(w.caption("WindowModeFrame"), s.child<QGroupBox>("WindowModeFrame")->title().remove('&'));
        QCOMPARE(w.caption("WindowModeCommandButton", 1), QString("V Scroll"));
        QCOMPARE(w.caption("SSTab1", 0), QString("File Image"));

        s.child<QRadioButton>("BaseWindowWriteModeOption_0")->setChecked(true);
        QVERIFY(w.isChecked("BaseWindowWriteModeOption", 0));
        QVERIFY(!w.isChecked("BaseWindowWriteModeOption", 1));

        s.child<QSlider>("WindowScrollSlider")->setValue(4);
        QCOMPARE(w.controlValue("WindowScrollSlider"), 4);

        auto *magnified = s.child<QComboBox>("MagunifiedList");
        magnified->setCurrentIndex(1);
        QCOMPARE(w.listEntry("MagunifiedList"), magnified->itemText(1));

        s.child<QLineEdit>("BmpXSizeBox")->setText("300");
        QCOMPARE(w.boxText("BmpXSizeBox"), QString("300"));

        auto *files = s.child<QListWidget>("File1");
        files->clear();
        files->addItems({"a.bmp", "logo.bmp"});
        files->setCurrentRow(-1);
        QCOMPARE(w.listIndex("File1"), -1);
        QCOMPARE(w.listEntry("File1"), QString());
        files->setCurrentRow(1);
        QCOMPARE(w.listIndex("File1"), 1);
        QCOMPARE(w.listEntry("File1"), QString("logo.bmp"));
    }
};

KVX_TEST_MAIN(TestTutorialWindowReads)
#include "tst_tutorial_window_reads.moc"

#include "support/started_window.h"
#include "support/test_main.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QSlider>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace kvx;

// What the tutorial's later steps read of the main window, by the object names the
// panels give their controls. Stand-in controls of those kinds are put into the
// empty right column, so the reads are checked whatever panel builds them.
class TestTutorialWindowReads : public QObject
{
    Q_OBJECT
private slots:
    void readsByObjectName()
    {
        test::StartedWindow s;
        MainWindow &w = s.window;
        QWidget *host = new QWidget;
        w.column(2)->addWidget(host);

        auto *frame = new QGroupBox(QStringLiteral("&Windows Action Selection"), host);
        frame->setObjectName("WindowModeFrame");
        auto *scroll = new QPushButton(QStringLiteral("V &Scroll"), host);
        scroll->setObjectName("WindowModeCommandButton_1");
        auto *option0 = new QRadioButton(QStringLiteral("Display Screen"), host);
        option0->setObjectName("BaseWindowWriteModeOption_0");
        auto *option1 = new QRadioButton(QStringLiteral("All Memory"), host);
        option1->setObjectName("BaseWindowWriteModeOption_1");
        option0->setChecked(true);
        auto *slider = new QSlider(host);
        slider->setObjectName("WindowScrollSlider");
        slider->setRange(0, 10);
        slider->setValue(4);
        auto *magnified = new QComboBox(host);
        magnified->setObjectName("MagunifiedList");
        magnified->addItems({"X1 Y1", "X2 Y1"});
        magnified->setCurrentIndex(1);
        auto *width = new QLineEdit(QStringLiteral("300"), host);
        width->setObjectName("BmpXSizeBox");
        auto *files = new QListView(host);
        files->setObjectName("File1");
        auto *model = new QStringListModel({"a.bmp", "logo.bmp"}, files);
        files->setModel(model);

        QCOMPARE(w.caption("WindowModeFrame"), QString("Windows Action Selection"));
        QCOMPARE(w.caption("WindowModeCommandButton", 1), QString("V Scroll"));
        QCOMPARE(w.caption("SSTab1", 0), QString("File Image"));
        QVERIFY(w.isChecked("BaseWindowWriteModeOption", 0));
        QVERIFY(!w.isChecked("BaseWindowWriteModeOption", 1));
        QCOMPARE(w.controlValue("WindowScrollSlider"), 4);
        QCOMPARE(w.listEntry("MagunifiedList"), QString("X2 Y1"));
        QCOMPARE(w.boxText("BmpXSizeBox"), QString("300"));

        QCOMPARE(w.listIndex("File1"), -1);
        QCOMPARE(w.listEntry("File1"), QString());
        files->setCurrentIndex(model->index(1));
        QCOMPARE(w.listIndex("File1"), 1);
        QCOMPARE(w.listEntry("File1"), QString("logo.bmp"));
    }
};

KVX_TEST_MAIN(TestTutorialWindowReads)
#include "tst_tutorial_window_reads.moc"

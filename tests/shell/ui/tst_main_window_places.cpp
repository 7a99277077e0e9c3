#include "support/started_window.h"
#include "support/test_main.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <map>
#include <memory>

using namespace kvx;
using namespace kvx::test;
using namespace Qt::Literals::StringLiterals;

// Where the tutorial's texts tell the learner a control of the main window stands, and
// which colour they give its area: each row one statement of the tutorial, judged on
// the shown window. "Upper right" is that quarter of the window, "middle" the middle
// third of its height, "in the ... corner of X" that quarter of X; a colour is the
// commonest colour of a frame's own background, or of the band 3 to 12 pixels around a
// box, with the other controls left out.

namespace {

enum class Hue { Green, Pink, Salmon, Yellow };

bool isHue(const QColor &c, Hue hue)
{
    const int spread = qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
    const double s = c.hsvSaturationF();
    const double h = c.hsvHueF() * 360;
    if (s < 0.12 || spread < 20)
        return false;
    switch (hue) {
    case Hue::Yellow: return h >= 40 && h <= 70;
    case Hue::Green: return h >= 75 && h <= 165;
    case Hue::Pink: return h >= 300 || h <= 10;
    case Hue::Salmon: return (h <= 25 || h >= 350) && s >= 0.25;
    }
    return false;
}

bool isControl(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLabel *>(w)
        || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSlider *>(w) || qobject_cast<const QAbstractScrollArea *>(w);
}

// The shown main window in one language, one page of the graphic data tabs up, and its picture.
struct Scene
{
    Scene(bool japanese, int graphicsPage)
    {
        // As on a first run; a Japanese locale starts in Japanese, so the other
        // language is reached by the switch, as a user reaches it.
        if (started.window.state().japanese() != japanese)
            started.window.Image1_Click();
        started.child<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(graphicsPage);
        started.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&started.window));
        QCoreApplication::processEvents();
        image = started.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QWidget *widget(const QString &name) const { return started.child<QWidget>(name); }
    QRect rect(const QWidget *w) const { return {w->mapTo(&started.window, QPoint(0, 0)), w->size()}; }
    QRect rect(const QString &name) const { return rect(widget(name)); }
    QRect tab(const QString &tabs, int index) const
    {
        const QTabBar *bar = started.child<QTabWidget>(tabs)->tabBar();
        return bar->tabRect(index).translated(bar->mapTo(&started.window, QPoint(0, 0)));
    }
    QRect client() const { return started.window.rect(); }

    // The commonest colour of the points in `area` outside `inner` and outside the
    // `covered` rectangles.
    QColor dominant(const QRect &area, const QRect &inner, const QList<QRect> &covered) const
    {
        std::map<QRgb, int> counts;
        const QRect inImage = area & image.rect();
        for (int y = inImage.top(); y <= inImage.bottom(); ++y)
            for (int x = inImage.left(); x <= inImage.right(); ++x) {
                const QPoint p(x, y);
                if (inner.contains(p)
                    || std::any_of(covered.begin(), covered.end(), [&](const QRect &r) { return r.contains(p); }))
                    continue;
                ++counts[image.pixel(p)];
            }
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](const auto &a, const auto &b) { return a.second < b.second; });
        return most == counts.end() ? QColor() : QColor(most->first);
    }
    // A frame's own background: what its controls and inner frames leave.
    QColor frameColour(const QString &name) const
    {
        QList<QRect> covered;
        for (const QWidget *child : widget(name)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                covered << rect(child);
        return dominant(rect(name), {}, covered);
    }
    // The band around a box, where no other control or frame stands.
    QColor bandColour(const QString &name) const
    {
        const QWidget *w = widget(name);
        QList<QRect> covered;
        for (const QWidget *other : started.window.findChildren<QWidget *>())
            if (other != w && other->isVisible() && !other->isAncestorOf(w) && !w->isAncestorOf(other)
                && (isControl(other) || other->autoFillBackground() || qobject_cast<const QGroupBox *>(other)))
                covered << rect(other);
        const QRect r = rect(w);
        return dominant(r.adjusted(-12, -12, 12, 12), r.adjusted(-3, -3, 3, 3), covered);
    }

    // The connected area of the hue around the control (lines and text up to six
    // points wide bridged), as a rectangle.
    QRect hueArea(const QString &name, Hue hue) const
    {
        const int w = image.width();
        const int h = image.height();
        std::vector<char> of(size_t(w * h), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (isHue(QColor(image.pixel(x, y)), hue))
                    for (int dy = -3; dy <= 3; ++dy)
                        for (int dx = -3; dx <= 3; ++dx)
                            if (QRect(0, 0, w, h).contains(x + dx, y + dy))
                                of[size_t((y + dy) * w + x + dx)] = 1;
        const QRect r = rect(name).adjusted(-4, -4, 4, 4);
        QList<QPoint> todo;
        for (int x = r.left(); x <= r.right(); ++x)
            for (const int y : {r.top(), r.bottom()})
                if (QRect(0, 0, w, h).contains(x, y) && of[size_t(y * w + x)])
                    todo << QPoint(x, y);
        QRect found;
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            if (!QRect(0, 0, w, h).contains(p) || of[size_t(p.y() * w + p.x())] != 1)
                continue;
            of[size_t(p.y() * w + p.x())] = 2;
            found |= QRect(p, QSize(1, 1));
            todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
        }
        return found.adjusted(3, 3, -3, -3);
    }

    StartedWindow started;
    QImage image;
};

// A reading is true of the scene, or says what it found.
using Check = std::function<QString(const Scene &)>;

QString at(const QString &what, const QRect &r)
{
    return QStringLiteral("%1 is at %2,%3 %4x%5").arg(what).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Parts of a rectangle by its centre: quarters, thirds and the like.
using Region = std::function<bool(QPointF centre, const QRectF &of)>;
bool leftHalf(QPointF c, const QRectF &r)
{
    return c.x() < r.center().x();
}
bool upperHalf(QPointF c, const QRectF &r)
{
    return c.y() < r.center().y();
}
const Region UpperLeft = [](QPointF c, const QRectF &r) { return leftHalf(c, r) && upperHalf(c, r); };
const Region UpperRight = [](QPointF c, const QRectF &r) { return !leftHalf(c, r) && upperHalf(c, r); };
const Region LowerLeft = [](QPointF c, const QRectF &r) { return leftHalf(c, r) && !upperHalf(c, r); };
const Region LowerRight = [](QPointF c, const QRectF &r) { return !leftHalf(c, r) && !upperHalf(c, r); };
double across(QPointF c, const QRectF &r)
{
    return (c.x() - r.left()) / r.width();
}
double down(QPointF c, const QRectF &r)
{
    return (c.y() - r.top()) / r.height();
}
const Region LeftMiddle = [](QPointF c, const QRectF &r) {
    return leftHalf(c, r) && down(c, r) >= 1.0 / 3 && down(c, r) <= 2.0 / 3;
};
const Region RightMiddle = [](QPointF c, const QRectF &r) {
    return !leftHalf(c, r) && down(c, r) >= 1.0 / 3 && down(c, r) <= 2.0 / 3;
};
const Region RightLowerMiddle = [](QPointF c, const QRectF &r) {
    return !leftHalf(c, r) && down(c, r) >= 0.5 && down(c, r) <= 5.0 / 6;
};
const Region TopMiddle = [](QPointF c, const QRectF &r) {
    return down(c, r) < 1.0 / 3 && across(c, r) >= 1.0 / 3 && across(c, r) <= 2.0 / 3;
};
const Region RightTopMiddle = [](QPointF c, const QRectF &r) {
    return down(c, r) < 1.0 / 3 && across(c, r) >= 0.5 && across(c, r) <= 2.0 / 3;
};
const Region TopRightCell = [](QPointF c, const QRectF &r) { return down(c, r) < 1.0 / 3 && across(c, r) > 2.0 / 3; };

// The control's centre in the region of the window, or of `area`.
Check in(const QString &name, Region region, const QString &area = {})
{
    return [=](const Scene &s) {
        const QRect of = area.isEmpty() ? s.client() : s.rect(area);
        const QRect r = s.rect(name);
        return region(QRectF(r).center(), QRectF(of))
            ? QString()
            : at(name, r) + u" in "_s + at(area.isEmpty() ? u"the window"_s : area, of);
    };
}

Check tabIn(const QString &tabs, int index, Region region)
{
    return [=](const Scene &s) {
        const QRect r = s.tab(tabs, index);
        return region(QRectF(r).center(), QRectF(s.client())) ? QString() : at(u"the tab"_s, r);
    };
}

Check inside(const QString &name, const QString &area)
{
    return [=](const Scene &s) {
        return s.rect(area).contains(s.rect(name)) && s.widget(area)->isAncestorOf(s.widget(name))
            ? QString()
            : at(name, s.rect(name)) + u" outside "_s + at(area, s.rect(area));
    };
}

Check tabInside(const QString &tabs, int index, const QString &area)
{
    return [=](const Scene &s) {
        return s.rect(area).contains(s.tab(tabs, index)) ? QString() : at(u"the tab"_s, s.tab(tabs, index));
    };
}

// Right of the anchor, overlapping it in height, no other control between, the gap at
// most `gap` points (more where a unit label stands between).
Check rightOf(const QString &name, const QString &anchor, int gap = 24, const QString &between = {})
{
    return [=](const Scene &s) {
        const QRect r = s.rect(name);
        const QRect a = s.rect(anchor);
        const int space = r.left() - a.right() - 1;
        if (space < 0 || space > gap || r.bottom() < a.top() || r.top() > a.bottom())
            return at(name, r) + u" beside "_s + at(anchor, a);
        const QRect gapRect(a.right() + 1, qMax(a.top(), r.top()), space,
                            qMin(a.bottom(), r.bottom()) - qMax(a.top(), r.top()));
        for (const QWidget *w : s.started.window.findChildren<QWidget *>())
            if (w->isVisible() && isControl(w) && w->objectName() != name && w->objectName() != anchor
                && w->objectName() != between && !w->isAncestorOf(s.widget(name)) && s.rect(w).intersects(gapRect))
                return at(w->objectName(), s.rect(w)) + u" stands between"_s;
        return QString();
    };
}

Check nextTo(const QString &name, const QString &anchor)
{
    return [=](const Scene &s) {
        const QRect r = s.rect(name);
        const QRect near = s.rect(anchor).adjusted(-24, -24, 24, 24);
        return near.intersects(r) ? QString() : at(name, r) + u" away from "_s + at(anchor, s.rect(anchor));
    };
}

Check frameIs(const QString &name, Hue hue)
{
    return [=](const Scene &s) {
        const QColor c = s.frameColour(name);
        return isHue(c, hue) ? QString() : name + u" is "_s + c.name();
    };
}

Check bandIs(const QString &name, Hue hue)
{
    return [=](const Scene &s) {
        const QColor c = s.bandColour(name);
        return isHue(c, hue) ? QString() : u"around "_s + name + u" is "_s + c.name();
    };
}

// The control in the region of the connected area of the hue around `seed`.
Check inHueArea(const QString &name, Hue hue, Region region, const QString &seed)
{
    return [=](const Scene &s) {
        const QRect area = s.hueArea(seed, hue);
        const QRect r = s.rect(name);
        return !area.isEmpty() && region(QRectF(r).center(), QRectF(area))
            ? QString()
            : at(name, r) + u" in "_s + at(u"area"_s, area);
    };
}

// The buttons stand in this order from left to right, on one row.
Check inOrder(const QStringList &names)
{
    return [=](const Scene &s) {
        for (qsizetype i = 1; i < names.size(); ++i) {
            const QRect a = s.rect(names[i - 1]);
            const QRect b = s.rect(names[i]);
            if (b.left() <= a.right() || b.top() > a.bottom() || b.bottom() < a.top())
                return at(names[i], b) + u" after "_s + at(names[i - 1], a);
        }
        return QString();
    };
}

Check secondListOf(const QString &name, const QString &frame)
{
    return [=](const Scene &s) {
        QList<QComboBox *> lists = s.widget(frame)->findChildren<QComboBox *>();
        std::sort(lists.begin(), lists.end(),
                  [&](QComboBox *a, QComboBox *b) { return s.rect(a).top() < s.rect(b).top(); });
        return lists.size() > 1 && lists[1]->objectName() == name ? QString() : name + u" is not the second list"_s;
    };
}

Check all(std::initializer_list<Check> checks)
{
    const QList<Check> list(checks);
    return [=](const Scene &s) {
        QStringList failed;
        for (const Check &c : list)
            if (const QString f = c(s); !f.isEmpty())
                failed << f;
        return failed.join(u"; "_s);
    };
}

const QString ControlFrame = QStringLiteral("ControlFrame");
const QString TextBox = QStringLiteral("TextBox");
const QString Write = QStringLiteral("cmdBtn1_11");
const QString FontFrame = QStringLiteral("DeviceContextFrame");
const QString ModeFrame = QStringLiteral("WindowModeFrame");
const QString FileFrame = QStringLiteral("FileBmpFrame");
const QString Slider = QStringLiteral("WindowScrollSlider");

QString mode(int i)
{
    return QStringLiteral("WindowModeCommandButton_%1").arg(i);
}

const Check TestPatternsInGraphicData =
    all({inside(u"CmdAllOff"_s, u"BmpFrame"_s), inside(u"CmdTestStripe_3"_s, u"BmpFrame"_s)});
const Check TestPatternsLeftMiddle = [](const Scene &s) {
    QStringList failed;
    for (const QString &name : {u"CmdAllOff"_s, u"CmdAllOn"_s, u"CmdTextChecker"_s, u"TestPatternCommandButton"_s,
                                u"CmdTestStripe_0"_s, u"CmdTestStripe_1"_s, u"CmdTestStripe_2"_s, u"CmdTestStripe_3"_s})
        failed << in(name, LeftMiddle)(s);
    failed.removeAll(QString());
    return failed.join(u"; "_s);
};

} // namespace

Q_DECLARE_METATYPE(Check)

class TestMainWindowPlaces : public QObject
{
    Q_OBJECT
private slots:
    void theTutorialsPlacesHold_data()
    {
        QTest::addColumn<bool>("japanese");
        QTest::addColumn<int>("graphicsPage");
        QTest::addColumn<Check>("check");
        struct Row
        {
            QString name;
            bool japanese;
            int page;
            Check check;
        };
        std::vector<Row> rows;
        const auto en = [&](const char *statement, int page, const Check &check) {
            rows.push_back({QString::fromUtf8(statement) + u" EN"_s, false, page, check});
        };
        const auto ja = [&](const char *statement, int page, const Check &check) {
            rows.push_back({QString::fromUtf8(statement) + u" JA"_s, true, page, check});
        };
        const auto both = [&](const char *statement, int page, const Check &check) {
            en(statement, page, check);
            ja(statement, page, check);
        };
        both("s1.intro ON at lower right", 0, in(u"cmdOnLine"_s, LowerRight));
        en("s2.hint Initialize in the yellow Power Controls", 0,
           all({frameIs(ControlFrame, Hue::Yellow), inside(u"InitializeCommandButton"_s, ControlFrame)}));
        en("s2.hint Power Controls right lower-middle", 0, in(ControlFrame, RightLowerMiddle));
        ja("s2.hint Power Controls right lower-middle, yellow", 0,
           all({in(ControlFrame, RightLowerMiddle), frameIs(ControlFrame, Hue::Yellow)}));
        both("s3.intro text box upper left of the green area", 0,
             all({bandIs(TextBox, Hue::Green), inHueArea(TextBox, Hue::Green, UpperLeft, TextBox)}));
        both("s3.hint Write immediately right of the text box", 0, rightOf(Write, TextBox));
        both("s4.hint bold Set immediately right of Cursor X-Y", 0,
             all({rightOf(u"cmdBtn1_0"_s, u"CursorYBox"_s, 40, u"Label5"_s),
                  [](const Scene &s) { return s.widget(u"cmdBtn1_0"_s)->font().bold() ? QString() : u"not bold"_s; }}));
        en("s6.r2 Write right next to the text box", 0, nextTo(Write, TextBox));
        ja("s6.r2 Write just right of the text box", 0, rightOf(Write, TextBox));
        en("s7.r3 V Scroll upper left of the window actions", 0, in(mode(1), UpperLeft, ModeFrame));
        ja("s7.r3 V Scroll the middle one, frame upper left", 0,
           all({in(ModeFrame, UpperLeft), inOrder({mode(0), mode(1), mode(2)})}));
        en("s8.r3 H Scroll upper right of the green window actions", 0,
           all({in(mode(2), UpperRight, ModeFrame), frameIs(ModeFrame, Hue::Green)}));
        ja("s8.r3 H Scroll the right-hand one, frame upper left", 0,
           all({in(ModeFrame, UpperLeft), inOrder({mode(0), mode(1), mode(2)})}));
        en("s9.intro speed slider upper right", 0, in(Slider, UpperRight));
        ja("s9.intro speed slider at the upper right edge", 0, in(Slider, TopRightCell));
        en("s9.r5 H Scroll upper right of the green window actions", 0,
           all({in(mode(2), UpperRight, ModeFrame), frameIs(ModeFrame, Hue::Green)}));
        ja("s9.r5 speed slider at the very upper right", 0, in(Slider, TopRightCell));
        en("s10.intro base window options right top-middle in the specification", 0,
           all({in(u"BaseWindowWriteModeFrame"_s, RightTopMiddle),
                inside(u"BaseWindowWriteModeFrame"_s, u"WindowDefineFrame"_s)}));
        en("s10.r5 base window options top-middle", 0, in(u"BaseWindowWriteModeFrame"_s, TopMiddle));
        ja("s10.r5 base window options around the upper right", 0, in(u"BaseWindowWriteModeFrame"_s, UpperRight));
        en("s11.intro font style green, lower left of the green area", 0,
           all({frameIs(FontFrame, Hue::Green), inHueArea(FontFrame, Hue::Green, LowerLeft, TextBox)}));
        ja("s11.intro font style lower left", 0, in(FontFrame, LowerLeft));
        en("s11.r4 font aspect lower left, in green", 0,
           all({in(u"MagunifiedList"_s, LowerLeft), bandIs(u"MagunifiedList"_s, Hue::Green)}));
        ja("s11.r4 font aspect the second list of the lower left frame", 0,
           all({in(FontFrame, LowerLeft), secondListOf(u"MagunifiedList"_s, FontFrame)}));
        both("s12.r7 font style lower left of the green area", 0,
             all({frameIs(FontFrame, Hue::Green), inHueArea(FontFrame, Hue::Green, LowerLeft, TextBox)}));
        both("s13.r4 font style lower left", 0, in(FontFrame, LowerLeft));
        ja("s14.r4 font style lower left", 0, in(FontFrame, LowerLeft));
        both("s16.r8 draw mode bottom left", 0, in(u"DrawModeFrame"_s, LowerLeft));
        both("s17.intro test pattern tab in graphic data", 2, tabInside(u"SSTab1"_s, 2, u"BmpFrame"_s));
        en("s17.r4 test patterns on their tab in graphic data", 2,
           all({tabInside(u"SSTab1"_s, 2, u"BmpFrame"_s), TestPatternsInGraphicData}));
        ja("s17.r4 test patterns left, middle", 2, TestPatternsLeftMiddle);
        en("s18.intro bitmap files middle of left", 0, in(FileFrame, LeftMiddle));
        ja("s18.intro bitmap files left middle, pink", 0,
           all({in(FileFrame, LeftMiddle), frameIs(FileFrame, Hue::Pink)}));
        en("s18.r3 Draw lower right of the pink file frame", 0,
           all({in(u"BmpDrawButton"_s, LowerRight, FileFrame), frameIs(FileFrame, Hue::Pink),
                bandIs(u"BmpDrawButton"_s, Hue::Pink)}));
        ja("s18.r3 Draw lower right of the pink left middle", 0,
           all({in(u"BmpDrawButton"_s, LowerRight, FileFrame), frameIs(FileFrame, Hue::Pink),
                in(FileFrame, LeftMiddle)}));
        en("s19.intro Enable next to each window", 0, [](const Scene &s) {
            QStringList failed;
            for (int i = 0; i < 4; ++i)
                failed << nextTo(QStringLiteral("UserWindowRegistCheck_%1").arg(i),
                                 QStringLiteral("UserWindowLeftBox_%1").arg(i))(s);
            failed.removeAll(QString());
            return failed.join(u"; "_s);
        });
        en("s19.r1 each window's row colour-coded", 0, [](const Scene &s) {
            QList<int> hues;
            for (int i = 0; i < 4; ++i) {
                const QColor number = s.frameColour(QStringLiteral("Label15_%1").arg(i));
                const QColor enable = s.frameColour(QStringLiteral("UserWindowRegistCheck_%1").arg(i));
                if (number.hsvSaturationF() < 0.12 || number != enable || hues.contains(number.hsvHue()))
                    return QStringLiteral("row %1 is %2 and %3").arg(i + 1).arg(number.name(), enable.name());
                hues << number.hsvHue();
            }
            return QString();
        });
        en("s19.r2 window selection upper left, salmon", 0,
           all({in(u"WindowSelectFrame"_s, UpperLeft), frameIs(u"WindowSelectFrame"_s, Hue::Salmon)}));
        ja("s19.r2 window selection upper left", 0, in(u"WindowSelectFrame"_s, UpperLeft));
        en("s20.intro Screen Action tab middle of the right half", 0, tabIn(u"SSTab3"_s, 0, RightMiddle));
        en("s23.intro brightness in the yellow Power Controls", 0,
           all({frameIs(ControlFrame, Hue::Yellow), inside(u"BrightSlider"_s, ControlFrame),
                bandIs(u"BrightSlider"_s, Hue::Yellow)}));
        en("s24.intro screen saver buttons in the yellow Power Controls", 0,
           all({inside(u"FullOnCommandButton"_s, ControlFrame),
                inside(u"ScreenSaverCancelCommandButton"_s, ControlFrame),
                bandIs(u"ScreenSaverCancelCommandButton"_s, Hue::Yellow)}));
        ja("s24.intro screen saver in the power controls", 0, inside(u"ScreenSaverFrame"_s, ControlFrame));
        // Rows of one window together, so each is shown once.
        std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
            return std::pair(a.japanese, a.page) < std::pair(b.japanese, b.page);
        });
        for (const Row &r : rows)
            QTest::newRow(qPrintable(r.name)) << r.japanese << r.page << r.check;
    }
    void theTutorialsPlacesHold()
    {
        QFETCH(bool, japanese);
        QFETCH(int, graphicsPage);
        QFETCH(Check, check);
        // One window per language and page, kept for the rows that follow.
        if (!m_scene || m_japanese != japanese || m_page != graphicsPage) {
            m_scene.reset();
            m_scene = std::make_unique<Scene>(japanese, graphicsPage);
            m_japanese = japanese;
            m_page = graphicsPage;
        }
        const QString failed = check(*m_scene);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
    }
    void cleanupTestCase() { m_scene.reset(); }

private:
    std::unique_ptr<Scene> m_scene;
    bool m_japanese = false;
    int m_page = 0;
};

KVX_TEST_MAIN(TestMainWindowPlaces)
#include "tst_main_window_places.moc"

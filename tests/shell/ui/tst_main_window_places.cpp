#include "support/started_window.h"
#include "support/test_main.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QGroupBox>
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
// the shown window by the control's centre ("upper right" is that quarter, "middle"
// the middle third of the height, "in the ... corner of X" that quarter of X). A colour
// is the commonest colour of a frame's own background, or of the band 3 to 12 points
// around a box, other controls left out; "the Green Area" is the connected green
// around the text box.

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

// The shown main window in one language with one page of the graphic data tabs up.
struct Scene
{
    Scene(bool japanese, int graphicsPage)
    {
        // As on a first run; a Japanese locale starts in Japanese, so the other
        // language is reached by the switch, as a user reaches it.
        if (started.window.state().japanese() != japanese)
            started.window.Image1_Click();
        started.child<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(graphicsPage);
        started.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&started.window));
        QCoreApplication::processEvents();
        image = started.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QWidget *widget(const QString &name) const { return started.child<QWidget>(name); }
    QRect rect(const QWidget *w) const { return {w->mapTo(&started.window, QPoint(0, 0)), w->size()}; }

    // The commonest colour in `area`, outside `inner` and the `covered` rectangles.
    QColor dominant(const QRect &area, const QRect &inner, const QList<QRect> &covered) const
    {
        std::map<QRgb, int> counts;
        const QRect in = area & image.rect();
        for (int y = in.top(); y <= in.bottom(); ++y)
            for (int x = in.left(); x <= in.right(); ++x)
                if (!inner.contains(x, y)
                    && std::none_of(covered.begin(), covered.end(), [&](const QRect &r) { return r.contains(x, y); }))
                    ++counts[image.pixel(x, y)];
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
        return dominant(rect(widget(name)), {}, covered);
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
        return dominant(rect(w).adjusted(-12, -12, 12, 12), rect(w).adjusted(-3, -3, 3, 3), covered);
    }
    // The connected area of the hue that touches the control, lines and text up to six
    // points wide bridged.
    QRect hueArea(const QString &name, Hue hue) const
    {
        const QRect all = image.rect();
        std::vector<char> of(size_t(all.width() * all.height()), 0);
        const auto at = [&](QPoint p) -> char & { return of[size_t(p.y() * all.width() + p.x())]; };
        for (int y = 0; y < all.height(); ++y)
            for (int x = 0; x < all.width(); ++x)
                if (isHue(QColor(image.pixel(x, y)), hue))
                    for (int dy = -3; dy <= 3; ++dy)
                        for (int dx = -3; dx <= 3; ++dx)
                            if (all.contains(x + dx, y + dy))
                                at(QPoint(x + dx, y + dy)) = 1;
        // From every point of a ring just outside the control.
        const QRect around = rect(widget(name)).adjusted(-4, -4, 4, 4) & all;
        QList<QPoint> todo;
        for (int x = around.left(); x <= around.right(); ++x)
            todo << QPoint(x, around.top()) << QPoint(x, around.bottom());
        QRect found;
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            if (!all.contains(p) || at(p) != 1)
                continue;
            at(p) = 2;
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
// A rectangle of the scene: a control, a tab, an area, the window.
using Place = std::function<QRect(const Scene &)>;

Place control(const QString &name)
{
    return [=](const Scene &s) { return s.rect(s.widget(name)); };
}
Place tab(const QString &tabs, int index)
{
    return [=](const Scene &s) {
        const QTabBar *bar = s.started.child<QTabWidget>(tabs)->tabBar();
        return bar->tabRect(index).translated(bar->mapTo(&s.started.window, QPoint(0, 0)));
    };
}
const Place Window = [](const Scene &s) { return s.started.window.rect(); };
Place greenArea(const QString &around)
{
    return [=](const Scene &s) { return s.hueArea(around, Hue::Green); };
}

QString at(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A part of a rectangle, as fractions of its width and height.
struct Region
{
    double left, right, top, bottom;
};
const Region UpperLeft{0, .5, 0, .5}, UpperRight{.5, 1, 0, .5}, LowerLeft{0, .5, .5, 1}, LowerRight{.5, 1, .5, 1};
const Region LeftMiddle{0, .5, 1. / 3, 2. / 3}, RightMiddle{.5, 1, 1. / 3, 2. / 3};
const Region RightLowerMiddle{.5, 1, .5, 5. / 6}, TopMiddle{1. / 3, 2. / 3, 0, 1. / 3};
const Region RightTopMiddle{.5, 2. / 3, 0, 1. / 3}, TopRightCell{2. / 3, 1, 0, 1. / 3};

// The centre of `what` in the region of `of`.
Check in(const Place &what, const Region &region, const Place &of = Window)
{
    return [=](const Scene &s) {
        const QRectF r = what(s);
        const QRectF o = of(s);
        const double x = (r.center().x() - o.left()) / o.width();
        const double y = (r.center().y() - o.top()) / o.height();
        const bool inside = x >= region.left && x <= region.right && y >= region.top && y <= region.bottom;
        return inside && !o.isEmpty() ? QString() : at(r.toRect()) + u" is not so in "_s + at(o.toRect());
    };
}
Check in(const QString &name, const Region &region, const Place &of = Window)
{
    return in(control(name), region, of);
}
Check in(const QString &name, const Region &region, const QString &frame)
{
    return in(control(name), region, control(frame));
}

Check inside(const Place &what, const QString &frame)
{
    return [=](const Scene &s) {
        return s.rect(s.widget(frame)).contains(what(s)) ? QString() : at(what(s)) + u" is outside "_s + frame;
    };
}
Check inside(const QString &name, const QString &frame)
{
    return inside(control(name), frame);
}

// Right of the anchor, overlapping it in height, no other control between, the gap at
// most `gap` points (more where a unit label stands between).
Check rightOf(const QString &name, const QString &anchor, int gap = 24, const QString &between = {})
{
    return [=](const Scene &s) {
        const QRect r = s.rect(s.widget(name));
        const QRect a = s.rect(s.widget(anchor));
        const int space = r.left() - a.right() - 1;
        if (space < 0 || space > gap || r.bottom() < a.top() || r.top() > a.bottom())
            return at(r) + u" is not right of "_s + at(a);
        const QRect gapRect(QPoint(a.right() + 1, qMax(a.top(), r.top())),
                            QPoint(r.left() - 1, qMin(a.bottom(), r.bottom())));
        for (const QWidget *w : s.started.window.findChildren<QWidget *>())
            if (w->isVisible() && isControl(w) && !QStringList{name, anchor, between}.contains(w->objectName())
                && s.rect(w).intersects(gapRect))
                return w->objectName() + u" stands between"_s;
        return QString();
    };
}

Check nextTo(const QString &name, const QString &anchor)
{
    return [=](const Scene &s) {
        const QRect near = s.rect(s.widget(anchor)).adjusted(-24, -24, 24, 24);
        return near.intersects(s.rect(s.widget(name))) ? QString() : name + u" is away from "_s + anchor;
    };
}

Check frameIs(const QString &name, Hue hue)
{
    return [=](const Scene &s) {
        return isHue(s.frameColour(name), hue) ? QString() : name + u" is "_s + s.frameColour(name).name();
    };
}
Check bandIs(const QString &name, Hue hue)
{
    return [=](const Scene &s) {
        return isHue(s.bandColour(name), hue) ? QString() : u"around "_s + name + u" is "_s + s.bandColour(name).name();
    };
}

// The buttons stand in this order from left to right, on one row.
Check inOrder(const QStringList &names)
{
    return [=](const Scene &s) {
        for (qsizetype i = 1; i < names.size(); ++i) {
            const QRect a = s.rect(s.widget(names[i - 1]));
            const QRect b = s.rect(s.widget(names[i]));
            if (b.left() <= a.right() || b.top() > a.bottom() || b.bottom() < a.top())
                return names[i] + u" is not after "_s + names[i - 1];
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

Check all(const QList<Check> &checks)
{
    return [=](const Scene &s) {
        QStringList failed;
        for (const Check &c : checks)
            failed << c(s);
        failed.removeAll(QString());
        return failed.join(u"; "_s);
    };
}

// One check for each of the numbered controls.
Check each(int count, const std::function<Check(int)> &check)
{
    QList<Check> checks;
    for (int i = 0; i < count; ++i)
        checks << check(i);
    return all(checks);
}

QString n(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

const QString Control = u"ControlFrame"_s, TextBox = u"TextBox"_s, Write = u"cmdBtn1_11"_s,
              FontFrame = u"DeviceContextFrame"_s, ModeFrame = u"WindowModeFrame"_s, FileFrame = u"FileBmpFrame"_s,
              Slider = u"WindowScrollSlider"_s, Draw = u"BmpDrawButton"_s, WriteMode = u"BaseWindowWriteModeFrame"_s;
const QStringList Patterns = {
    u"CmdAllOff"_s,       u"CmdAllOn"_s,        u"CmdTextChecker"_s,  u"TestPatternCommandButton"_s,
    u"CmdTestStripe_0"_s, u"CmdTestStripe_1"_s, u"CmdTestStripe_2"_s, u"CmdTestStripe_3"_s};

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
        const auto en = [&](const char *statement, const Check &check, int page = 0) {
            rows.push_back({QString::fromUtf8(statement) + u" EN"_s, false, page, check});
        };
        const auto ja = [&](const char *statement, const Check &check, int page = 0) {
            rows.push_back({QString::fromUtf8(statement) + u" JA"_s, true, page, check});
        };
        const auto both = [&](const char *statement, const Check &check, int page = 0) {
            en(statement, check, page);
            ja(statement, check, page);
        };
        const Check modeRow = inOrder(
            {n("WindowModeCommandButton", 0), n("WindowModeCommandButton", 1), n("WindowModeCommandButton", 2)});
        const Check hScroll =
            all({in(n("WindowModeCommandButton", 2), UpperRight, ModeFrame), frameIs(ModeFrame, Hue::Green)});
        const Check fontInGreen = all({frameIs(FontFrame, Hue::Green), in(FontFrame, LowerLeft, greenArea(TextBox))});
        both("s1.intro ON at lower right", in(u"cmdOnLine"_s, LowerRight));
        en("s2.hint Initialize in the yellow Power Controls",
           all({frameIs(Control, Hue::Yellow), inside(u"InitializeCommandButton"_s, Control)}));
        en("s2.hint Power Controls right lower-middle", in(Control, RightLowerMiddle));
        ja("s2.hint Power Controls right lower-middle, yellow",
           all({in(Control, RightLowerMiddle), frameIs(Control, Hue::Yellow)}));
        both("s3.intro text box upper left of the green area",
             all({bandIs(TextBox, Hue::Green), in(TextBox, UpperLeft, greenArea(TextBox))}));
        both("s3.hint Write immediately right of the text box", rightOf(Write, TextBox));
        both("s4.hint bold Set immediately right of Cursor X-Y",
             all({rightOf(u"cmdBtn1_0"_s, u"CursorYBox"_s, 40, u"Label5"_s), [](const Scene &s) {
                      return s.widget(u"cmdBtn1_0"_s)->font().bold() ? QString() : u"Set is not bold"_s;
                  }}));
        en("s6.r2 Write right next to the text box", nextTo(Write, TextBox));
        ja("s6.r2 Write just right of the text box", rightOf(Write, TextBox));
        en("s7.r3 V Scroll upper left of the window actions",
           in(n("WindowModeCommandButton", 1), UpperLeft, ModeFrame));
        ja("s7.r3 V Scroll the middle one, frame upper left", all({in(ModeFrame, UpperLeft), modeRow}));
        en("s8.r3 H Scroll upper right of the green window actions", hScroll);
        ja("s8.r3 H Scroll the right-hand one, frame upper left", all({in(ModeFrame, UpperLeft), modeRow}));
        en("s9.intro speed slider upper right", in(Slider, UpperRight));
        ja("s9.intro speed slider at the upper right edge", in(Slider, TopRightCell));
        en("s9.r5 H Scroll upper right of the green window actions", hScroll);
        ja("s9.r5 speed slider at the very upper right", in(Slider, TopRightCell));
        en("s10.intro base window options right top-middle in the specification",
           all({in(WriteMode, RightTopMiddle), inside(WriteMode, u"WindowDefineFrame"_s)}));
        en("s10.r5 base window options top-middle", in(WriteMode, TopMiddle));
        ja("s10.r5 base window options around the upper right", in(WriteMode, UpperRight));
        en("s11.intro font style green, lower left of the green area", fontInGreen);
        ja("s11.intro font style lower left", in(FontFrame, LowerLeft));
        en("s11.r4 font aspect lower left, in green",
           all({in(u"MagunifiedList"_s, LowerLeft), bandIs(u"MagunifiedList"_s, Hue::Green)}));
        ja("s11.r4 font aspect the second list of the lower left frame",
           all({in(FontFrame, LowerLeft), secondListOf(u"MagunifiedList"_s, FontFrame)}));
        both("s12.r7 font style lower left of the green area", fontInGreen);
        both("s13.r4 font style lower left", in(FontFrame, LowerLeft));
        ja("s14.r4 font style lower left", in(FontFrame, LowerLeft));
        both("s16.r8 draw mode bottom left", in(u"DrawModeFrame"_s, LowerLeft));
        both("s17.intro test pattern tab in graphic data", inside(tab(u"SSTab1"_s, 2), u"BmpFrame"_s), 2);
        en("s17.r4 test patterns on their tab in graphic data",
           all({inside(tab(u"SSTab1"_s, 2), u"BmpFrame"_s),
                each(8, [](int i) { return inside(Patterns[i], u"BmpFrame"_s); })}),
           2);
        ja("s17.r4 test patterns left, middle", each(8, [](int i) { return in(Patterns[i], LeftMiddle); }), 2);
        en("s18.intro bitmap files middle of left", in(FileFrame, LeftMiddle));
        ja("s18.intro bitmap files left middle, pink", all({in(FileFrame, LeftMiddle), frameIs(FileFrame, Hue::Pink)}));
        en("s18.r3 Draw lower right of the pink file frame",
           all({in(Draw, LowerRight, FileFrame), frameIs(FileFrame, Hue::Pink), bandIs(Draw, Hue::Pink)}));
        ja("s18.r3 Draw lower right of the pink left middle",
           all({in(Draw, LowerRight, FileFrame), frameIs(FileFrame, Hue::Pink), in(FileFrame, LeftMiddle)}));
        en("s19.intro Enable next to each window",
           each(4, [](int i) { return nextTo(n("UserWindowRegistCheck", i), n("UserWindowLeftBox", i)); }));
        en("s19.r1 each window's row colour-coded", [](const Scene &s) {
            QList<int> hues;
            for (int i = 0; i < 4; ++i) {
                const QColor number = s.frameColour(n("Label15", i));
                const QColor enable = s.frameColour(n("UserWindowRegistCheck", i));
                if (number.hsvSaturationF() < 0.12 || number != enable || hues.contains(number.hsvHue()))
                    return QStringLiteral("row %1 is %2 and %3").arg(i + 1).arg(number.name(), enable.name());
                hues << number.hsvHue();
            }
            return QString();
        });
        en("s19.r2 window selection upper left, salmon",
           all({in(u"WindowSelectFrame"_s, UpperLeft), frameIs(u"WindowSelectFrame"_s, Hue::Salmon)}));
        ja("s19.r2 window selection upper left", in(u"WindowSelectFrame"_s, UpperLeft));
        en("s20.intro Screen Action tab middle of the right half", in(tab(u"SSTab3"_s, 0), RightMiddle));
        en("s23.intro brightness in the yellow Power Controls",
           all({frameIs(Control, Hue::Yellow), inside(u"BrightSlider"_s, Control),
                bandIs(u"BrightSlider"_s, Hue::Yellow)}));
        en("s24.intro screen saver buttons in the yellow Power Controls",
           all({inside(u"FullOnCommandButton"_s, Control), inside(u"ScreenSaverCancelCommandButton"_s, Control),
                bandIs(u"ScreenSaverCancelCommandButton"_s, Hue::Yellow)}));
        ja("s24.intro screen saver in the power controls", inside(u"ScreenSaverFrame"_s, Control));
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

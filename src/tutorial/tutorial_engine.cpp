#include "tutorial/tutorial_engine.h"

#include "link/numbers.h"
#include "shell/series_layout.h"
#include "tutorial/tutorial_host.h"
#include "tutorial/tutorial_texts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kvx {

using namespace tutorial;

namespace {
// The largest whole number a size box is read as (a 32-bit signed value).
constexpr double MaxBoxWhole = 2147483647.0;
} // namespace

TutorialEngine::TutorialEngine(TutorialHost *host) : m_host(host)
{
    m_enabled.fill(true);
}

void TutorialEngine::load(const TopicCounts &counts)
{
    for (int t = 0; t < TopicCount; ++t)
        m_achieved[t] = std::clamp(counts[t], 0, topicCheckpoints(t));
    m_step = 0;
    m_introShown = false;
    m_text.clear();
}

bool TutorialEngine::japanese() const
{
    return m_host->uiLanguage() == QLatin1String("Japanese");
}

void TutorialEngine::setTopicEnabled(int topic, bool enabled)
{
    if (topic >= 0 && topic < TopicCount)
        m_enabled[topic] = enabled;
}

bool TutorialEngine::topicEnabled(int topic) const
{
    return topic >= 0 && topic < TopicCount && m_enabled[topic];
}

void TutorialEngine::setCurrentStepForTest(int step, bool introShown)
{
    m_step = step;
    m_introShown = introShown;
}

// ---- navigation ----

void TutorialEngine::next()
{
    m_introShown = false;
    int step = m_step;
    for (int pass = 0; pass < StepCount; ++pass) {
        ++step;
        if (step >= StepCount) {
            step = 0; // past the last step: the welcome
            break;
        }
        if (topicEnabled(stepTopic(step)))
            break;
    }
    m_step = step;
}

void TutorialEngine::back()
{
    m_introShown = false;
    int step = m_step;
    for (int pass = 0; pass < StepCount; ++pass) {
        step = (step + StepCount - 1) % StepCount;
        if (step == 0)
            step = StepCount - 1; // Back never shows the welcome
        if (topicEnabled(stepTopic(step))) {
            m_step = step;
            return;
        }
        // the step before the disabled one is tried next
    }
    // No topic enabled at all: stay where we are.
}

bool TutorialEngine::goToTopic(int topic)
{
    if (!topicEnabled(topic))
        return false;
    m_introShown = false;
    m_step = firstStepOfTopic(topic);
    return true;
}

// ---- progress ----

void TutorialEngine::refreshProgress()
{
    m_progress.title = tutorWindowCaption(m_host->moduleSeri(), m_host->uiLanguage());
    int total = 0;
    int achieved = 0;
    for (int t = 0; t < TopicCount; ++t) {
        m_progress.topics[t] = m_achieved[t] < topicCheckpoints(t) ? TopicState::Open : TopicState::Complete;
        if (m_enabled[t]) {
            total += topicCheckpoints(t);
            achieved += m_achieved[t];
        }
    }
    const int current = stepTopic(m_step);
    if (current >= 0)
        m_progress.topics[current] = TopicState::Current;
    m_progress.maximum = total;
    m_progress.value = std::min(achieved, total);
}

void TutorialEngine::resetAchievements()
{
    m_achieved.fill(0);
    refreshProgress();
}

void TutorialEngine::creditCheckpoint()
{
    const int topic = stepTopic(m_step);
    if (topic < 0)
        return;
    m_achieved[topic] = std::min(m_achieved[topic] + 1, topicCheckpoints(topic));
}

// ---- the step engine ----

void TutorialEngine::run()
{
    if (!m_host->mainWindowNormal())
        return;
    refreshProgress();
    if (m_progress.maximum > 0 && m_progress.value == m_progress.maximum) {
        m_text = buildText(QStringLiteral("graduation"));
        return;
    }

    if (m_step == 0) {
        const bool firstVisit = std::all_of(m_achieved.begin(), m_achieved.end(), [](int n) { return n == 0; });
        m_text = buildText(firstVisit ? QStringLiteral("welcome.first") : QStringLiteral("welcome.back"));
        m_introShown = false;
        m_host->setTutorTimerInterval(5000);
        return;
    }

    const StepDefinition *step = stepDefinition(m_step);
    if (!step)
        return;

    if (!m_introShown) {
        m_text = buildText(step->introId);
        if (!step->textBoxPreset.isNull())
            m_host->setBoxText(QStringLiteral("TextBox"), step->textBoxPreset);
        m_introShown = true;
        m_host->setTutorTimerInterval(step->timerMs);
        return;
    }

    for (const StepRow &row : step->rows) {
        if (!std::all_of(row.checks.begin(), row.checks.end(), [this](const StepCheck &c) { return holds(c); }))
            continue;
        m_text = buildText(row.textId);
        switch (row.outcome) {
        case StepOutcome::Advance:
            m_introShown = false;
            creditCheckpoint();
            break;
        case StepOutcome::Stay: creditCheckpoint(); break;
        case StepOutcome::Finish: m_introShown = false; break;
        case StepOutcome::Note: break;
        }
        return;
    }
}

std::optional<int> TutorialEngine::sentByte(const QString &sentText, int byteNumber, int base)
{
    if (byteNumber < 1)
        return std::nullopt;
    const qsizetype first = 4 * qsizetype(byteNumber) - 3; // 0-based index of the digits
    if (sentText.size() < first + 2)
        return std::nullopt;
    const QString digits = sentText.mid(first, 2);
    if (base == 16) {
        bool ok = false;
        const int v = digits.toInt(&ok, 16);
        if (!ok || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
            return std::nullopt;
        return v;
    }
    // Decimal: the digits as they stand, up to the first that is no decimal digit.
    int v = 0;
    for (QChar c : digits) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

bool TutorialEngine::holds(const StepCheck &check) const
{
    using Kind = StepCheck::Kind;
    switch (check.kind) {
    case Kind::Always: return true;
    case Kind::SentEquals: return m_host->lastSentText() == check.literal;
    case Kind::SentNotEquals: return m_host->lastSentText() != check.literal;
    case Kind::SentSliceEquals: {
        const QString sent = m_host->lastSentText();
        const qsizetype from = check.position - 1;
        if (from < 0 || sent.size() < from + check.literal.size())
            return false;
        return QStringView(sent).mid(from, check.literal.size()) == check.literal;
    }
    case Kind::TextSent: return m_host->lastSentText().size() == 4 * m_host->boxText(QStringLiteral("TextBox")).size();
    case Kind::SentByte: {
        const std::optional<int> b = sentByte(m_host->lastSentText(), check.position, check.base);
        if (!b)
            return false;
        double operand = check.number;
        if (check.operand != StepCheck::Operand::Number) {
            operand = numericValue(m_host->boxText(check.control));
            // A box holding "1e30" or more than any width names no byte at all: such
            // a value matches nothing rather than wrapping into some low byte.
            if (!std::isfinite(operand))
                return false;
            if (check.operand == StepCheck::Operand::BoxLowByte) {
                const double whole = roundHalfEven(operand);
                if (std::abs(whole) > MaxBoxWhole)
                    return false;
                operand = std::fmod(whole, 256.0);
            }
        }
        const bool equal = double(*b) == operand;
        return check.compare == StepCheck::Compare::Equal ? equal : !equal;
    }
    case Kind::OptionChecked: return m_host->isChecked(check.control, check.index) == check.wanted;
    }
    return false;
}

// ---- texts ----

bool TutorialEngine::knownPlaceholder(const QString &token)
{
    const QStringList p = token.split(QLatin1Char(':'));
    const QString &kind = p.first();
    if (p.size() == 1)
        return kind == QLatin1String("series") || kind == QLatin1String("next") || kind == QLatin1String("back")
            || kind == QLatin1String("menu");
    bool ok = true;
    if (kind == QLatin1String("caption"))
        return !p[1].isEmpty() && (p.size() == 2 || (p.size() == 3 && (p[2].toInt(&ok), ok)));
    if (kind == QLatin1String("text") || kind == QLatin1String("entry") || kind == QLatin1String("value")
        || kind == QLatin1String("times8"))
        return p.size() == 2 && !p[1].isEmpty();
    if (kind == QLatin1String("byte"))
        return p.size() == 3 && p[1].toInt(&ok) > 0 && ok
            && (p[2] == QLatin1String("16") || p[2] == QLatin1String("10"));
    return false;
}

QString TutorialEngine::placeholder(const QString &token) const
{
    const QStringList p = token.split(QLatin1Char(':'));
    const QString &kind = p.first();
    const bool ja = japanese();
    if (kind == QLatin1String("series"))
        return m_host->moduleSeri();
    if (kind == QLatin1String("next"))
        return tutorialCaption(QStringLiteral("NextCommandButton"), ja);
    if (kind == QLatin1String("back"))
        return tutorialCaption(QStringLiteral("BackCommandButton"), ja);
    if (kind == QLatin1String("menu"))
        return tutorialCaption(QStringLiteral("Label2"), ja);
    if (p.size() < 2)
        return QString();
    if (kind == QLatin1String("caption"))
        return m_host->caption(p[1], p.size() > 2 ? p[2].toInt() : -1);
    if (kind == QLatin1String("text"))
        return m_host->boxText(p[1]);
    if (kind == QLatin1String("entry"))
        return m_host->listEntry(p[1]);
    if (kind == QLatin1String("value"))
        return QString::number(m_host->controlValue(p[1]));
    if (kind == QLatin1String("times8"))
        return QString::number(numericValue(m_host->boxText(p[1])) * 8, 'g', 15);
    if (kind == QLatin1String("byte") && p.size() == 3) {
        const std::optional<int> b = sentByte(m_host->lastSentText(), p[1].toInt(), p[2].toInt());
        return b ? QString::number(*b) : QString();
    }
    return QString();
}

QString TutorialEngine::buildText(const QString &id) const
{
    const TutorialText *t = findTutorialText(id);
    if (!t)
        return QString();
    // Lines of the table are joined by CR LF before the values go in, so a value's
    // own characters stay as they are.
    QString templ = QString::fromUtf8(japanese() ? t->japanese : t->english);
    templ.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QString out;
    out.reserve(templ.size() + 64);
    qsizetype pos = 0;
    while (pos < templ.size()) {
        const qsizetype open = templ.indexOf(QLatin1Char('{'), pos);
        const qsizetype close = open < 0 ? -1 : templ.indexOf(QLatin1Char('}'), open);
        if (open < 0 || close < 0) {
            out += QStringView(templ).mid(pos);
            break;
        }
        out += QStringView(templ).mid(pos, open - pos);
        out += placeholder(templ.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    return out;
}

} // namespace kvx

#include "shell/window_return.h"

namespace kvx {

void WindowReturn::remember(QPoint frame, QPoint client)
{
    m_place = Place{frame, client - frame};
}

QPoint WindowReturn::clientPlace() const
{
    return m_place ? m_place->frame + m_place->offset : QPoint();
}

WindowReturn::Settle WindowReturn::settle(QPoint frame, QPoint client) const
{
    if (!m_place || client - frame != m_place->offset)
        return Settle::FrameUnknown;
    return frame == m_place->frame ? Settle::InPlace : Settle::MoveBack;
}

} // namespace kvx

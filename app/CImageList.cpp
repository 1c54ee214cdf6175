#include "app/CImageList.h"

#include <QPainter>

bool CImageList::Create(int cx, int cy, int initialCount, int grow)
{
    if (cx <= 0 || cy <= 0 || m_size.isValid())
        return false;
    m_size = QSize(cx, cy);
    m_arrImages.reserve(qMax(0, initialCount));
    Q_UNUSED(grow);
    return true;
}

int CImageList::Add(const QImage& strip)
{
    if (strip.isNull() || !m_size.isValid() || strip.height() != m_size.height() ||
        strip.width() < m_size.width())
        return -1;

    // The pictures are stored without alpha: they are drawn opaque, background included, and a
    // stray transparent pixel in the source must not let the row's fill shine through.
    const QImage opaque = strip.convertToFormat(QImage::Format_RGB32);
    const int first = static_cast<int>(m_arrImages.size());
    const int count = strip.width() / m_size.width();
    for (int i = 0; i < count; ++i)
        m_arrImages.append(opaque.copy(i * m_size.width(), 0, m_size.width(), m_size.height()));
    return first;
}

QImage CImageList::getImage(int index) const
{
    if (index < 0 || index >= m_arrImages.size())
        return {};
    return m_arrImages.at(index);
}

void CImageList::draw(QPainter& painter, int index, const QPoint& topLeft) const
{
    if (index < 0 || index >= m_arrImages.size())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(topLeft, m_arrImages.at(index));
    painter.restore();
}

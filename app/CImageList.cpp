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

    // The strip's own alpha does not count (a stray transparent pixel must not let the row shine
    // through a face); its cyan background is the one see-through colour, as an image list's key
    // colour is.
    QImage opaque =
        strip.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    constexpr QRgb kKey = 0xFF00FFFF;
    for (int y = 0; y < opaque.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(opaque.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            if (line[x] == kKey)
                line[x] = 0;
        }
    }
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
    painter.drawImage(topLeft, m_arrImages.at(index));
}

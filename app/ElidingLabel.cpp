#include "app/ElidingLabel.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ElidingLabel::ElidingLabel(QWidget* parent, int lines, int leastChars)
    : QLabel(parent), m_lines(lines), m_leastChars(leastChars)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // the hints below, not the text
}

void ElidingLabel::setGrows(bool grows)
{
    m_grows = grows;
    followLines();
}

void ElidingLabel::setFullText(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    updateToolTip();
    followLines();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QString ElidingLabel::shownText() const
{
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    QString rest = text();
    QStringList lines;
    while (lines.size() + 1 < m_lines && metrics.horizontalAdvance(rest) > width) {
        // A bracket goes to a line of its own where the beginning fits; otherwise the longest
        // beginning, up to a blank, that fits.
        qsizetype cut = rest.lastIndexOf(QStringLiteral(" ("));
        if (cut <= 0 || metrics.horizontalAdvance(rest.left(cut)) > width)
            cut = rest.lastIndexOf(u' ');
        while (cut > 0 && metrics.horizontalAdvance(rest.left(cut)) > width)
            cut = rest.lastIndexOf(u' ', cut - 1);
        if (cut <= 0)
            break;
        lines << rest.left(cut);
        rest = rest.mid(cut + 1);
    }
    lines << metrics.elidedText(rest, Qt::ElideRight, width);
    return lines.join(u'\n');
}

QSize ElidingLabel::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth() * m_leastChars, sizeHint().height()};
}

QSize ElidingLabel::sizeHint() const
{
    // As high as its lines; as wide as the layout gives it, never the text's own width.
    const QMargins margins = contentsMargins();
    const int lines = m_grows ? linesShown() : m_lines;
    return {fontMetrics().averageCharWidth() * 10,
            fontMetrics().lineSpacing() * lines + margins.top() + margins.bottom()};
}

int ElidingLabel::linesShown() const
{
    return static_cast<int>(shownText().count(u'\n')) + 1;
}

void ElidingLabel::followLines()
{
    // The width never depends on the height, so a new height settles at once.
    if (!m_grows)
        return;
    const int lines = linesShown();
    if (lines == m_hintLines)
        return;
    m_hintLines = lines;
    updateGeometry();
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const QString shown = shownText();
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), option.palette,
                          isEnabled(), shown, foregroundRole());
}

void ElidingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
    followLines();
}

void ElidingLabel::updateToolTip()
{
    // The tooltip shows what the cut hides; a text shown whole needs none.
    setToolTip(shownText().replace(u'\n', u' ') == text() ? QString() : text());
}

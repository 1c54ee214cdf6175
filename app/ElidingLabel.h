#pragma once
// A label of a fixed number of lines whose text never sets the window's width: a long text is
// broken at blanks into those lines and the last is cut with "…" where it is drawn, while text(),
// the tooltip and screen readers keep the whole of it.

#include <QLabel>

class ElidingLabel : public QLabel
{
    Q_OBJECT
public:
    /// `leastChars`: about how many characters it shows however narrow the window is.
    explicit ElidingLabel(QWidget* parent = nullptr, int lines = 1, int leastChars = 0);

    /// Sets the whole text; tells screen readers when it changed.
    void setFullText(const QString& text);
    /// What is drawn for the current width.
    QString shownText() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateToolTip();

    int m_lines;
    int m_leastChars;
};

#pragma once
// A label of at most a given number of lines whose text never sets the window's width: a long text
// is broken at blanks into those lines and the last is cut with "…" where it is drawn, while
// text(), the tooltip and screen readers keep the whole of it.

#include <QLabel>

class ElidingLabel : public QLabel
{
    Q_OBJECT
public:
    /// `leastChars`: about how many characters it shows however narrow the window is.
    explicit ElidingLabel(QWidget* parent = nullptr, int lines = 1, int leastChars = 0);

    /// Only as high as the lines the text needs at the current width (at least one), rather than
    /// always all of them: for a line that is mostly short and sometimes long.
    void setGrows(bool grows);

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
    /// The lines shown now, at least one.
    int linesShown() const;
    /// A growing label tells its layout when it needs a line more or less.
    void followLines();

    int m_lines;
    int m_leastChars;
    bool m_grows = false;
    int m_hintLines = 0;
};

#pragma once

#include <QColor>
#include <QProgressBar>

namespace tolvar {

// A sunken 3-D panel showing a percentage as a proportional fill and as a figure. It takes fill
// values from 0 to 100 and ignores others. A figure in the panel's own colour does not show.
class PercentPanel : public QProgressBar
{
    Q_OBJECT
public:
    explicit PercentPanel(QWidget *parent = nullptr);

    int FloodPercent() const { return value(); }
    // False when the panel refuses the value; the fill then stays as it was.
    bool setFloodPercent(int percent);

    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);

    bool figureVisible() const { return m_foreColor != m_backColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_foreColor = Qt::white;
    QColor m_backColor;
    QColor m_floodColor = QColor(0, 0, 160);
};

} // namespace tolvar

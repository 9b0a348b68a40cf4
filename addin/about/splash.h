#pragma once

#include <QPixmap>
#include <QWidget>

namespace tolvar {

// The borderless splash window `Splash` shown while the tool window starts: its picture fills it.
class Splash : public QWidget
{
    Q_OBJECT
public:
    explicit Splash(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace tolvar

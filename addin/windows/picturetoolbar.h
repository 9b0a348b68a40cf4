#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

class QLabel;
class QWidget;

namespace ui {
class ImageButton;
}

namespace tolvar {

// One picture button of a toolbar strip.
struct PictureButton
{
    QString name;
    QString subject; // what it does, for assistive technology
    QString hint;    // shown while the pointer is on it
    // Its resting, highlighted and pressed pictures, and the invisible holders that keep them.
    std::array<QPixmap, 3> pictures;
    std::array<QString, 3> holderNames;
    QRect geometry; // on the strip, in pixels
};

// A strip of picture buttons: each shows its resting picture, its highlighted one while the
// pointer is on it and its pressed one while held down. The pointer moving over any watched
// surface takes the highlight away.
class PictureToolbar : public QObject
{
    Q_OBJECT
public:
    // `highlight` is where the window keeps the id of the button last under the pointer (0 until
    // the pointer first reaches one); the holders are hidden children of `holderParent`.
    PictureToolbar(QWidget *strip, QWidget *holderParent, qint16 &highlight);

    // Adds the next button; ids count from 1 in the order of adding.
    ui::ImageButton *addButton(const PictureButton &button);
    ui::ImageButton *button(int id) const;
    const std::vector<ui::ImageButton *> &buttons() const { return m_buttons; }

    void watch(QWidget *surface);
    // The last highlighted button shows its resting picture again; the id stays.
    void DeleteHighlight();

signals:
    void hint(const QString &text);
    void highlightDeleted();
    void clicked(int id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mouseMove(int id);
    void show(int id, int picture);

    struct Holders
    {
        std::array<QLabel *, 3> labels{};
        QString hint;
    };

    QWidget *m_strip;
    QWidget *m_holderParent;
    qint16 &m_highlight;
    std::vector<ui::ImageButton *> m_buttons;
    std::vector<Holders> m_holders;
};

} // namespace tolvar

#pragma once

#include <QHash>
#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace vbhost {

// The toolbox: the pointer and one tool per standard control, two to a row. A chosen tool
// draws the next control on a form and then gives way to the pointer again. A double click on
// a tool, or Enter on it, asks for the control at its default size in the middle of the form.
// Keyboard: arrows move among the tools, Space chooses one.
class Toolbox : public QWidget
{
    Q_OBJECT

public:
    explicit Toolbox(QWidget *parent = nullptr);

    // A class name, or kPointerTool.
    QString currentTool() const;
    void setCurrentTool(const QString &tool);
    bool isPointer() const;
    QToolButton *button(const QString &tool) const { return m_buttons.value(tool); }

signals:
    void currentToolChanged(const QString &tool);
    void addRequested(const QString &className);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QButtonGroup *m_group;
    QHash<QString, QToolButton *> m_buttons;
};

} // namespace vbhost

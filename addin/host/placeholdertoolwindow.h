#pragma once

#include <QWidget>

namespace tolvar {

// Stands in for the tool window until the real one is installed: an empty window named
// "wizard", loaded once, whose closing ends the add-in like the real one's.
class PlaceholderToolWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PlaceholderToolWindow(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
};

// Loads and shows the placeholder the first time; later calls change nothing.
void loadPlaceholderToolWindow();

} // namespace tolvar

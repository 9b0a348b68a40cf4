#pragma once

#include <QComboBox>

namespace vbhost {

// The Object and Proc lists. Choosing an entry adds code, so arrow keys and typing on the closed
// list open it rather than choose in passing; Enter or a click in the open list chooses.
class CodeListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CodeListBox(QWidget *parent = nullptr);

    void showPopup() override;
    // Entries with code are shown in bold.
    void setEntries(const QStringList &texts, const QList<bool> &bold);
    // Shows the entry without choosing it (no activated()); -1 when it is not there.
    int showEntry(const QString &text);
    QStringList entries() const;

signals:
    void aboutToShowPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace vbhost

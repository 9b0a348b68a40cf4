#pragma once

#include <QDialog>

namespace tolvar {

// A modeless dialog of a fixed client size in twips, in the old 8-point dialog font, as the
// add-in's smaller windows are.
class FixedDialog : public QDialog
{
    Q_OBJECT
public:
    FixedDialog(const QString &name, const QString &caption, double clientWidth,
                double clientHeight, QWidget *parent = nullptr, Qt::WindowFlags extraFlags = {});
};

} // namespace tolvar

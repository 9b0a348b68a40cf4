#include "ide/model/newcontrol.h"

#include <QHash>

namespace vbhost {

namespace {

using Fixed = QList<std::pair<QString, QString>>;

const QHash<QString, NewControlStyle> &styles()
{
    const QString caption = QStringLiteral("Caption"), text = QStringLiteral("Text");
    static const QHash<QString, NewControlStyle> table{
        {QStringLiteral("PictureBox"), {QStringLiteral("Picture"), {1215, 495}, {}, {}}},
        {QStringLiteral("Label"), {QStringLiteral("Label"), {1215, 495}, caption, {}}},
        {QStringLiteral("TextBox"), {QStringLiteral("Text"), {1215, 495}, text, {}}},
        {QStringLiteral("Frame"), {QStringLiteral("Frame"), {1215, 495}, caption, {}}},
        {QStringLiteral("CommandButton"), {QStringLiteral("Command"), {1215, 495}, caption, {}}},
        {QStringLiteral("CheckBox"), {QStringLiteral("Check"), {1215, 495}, caption, {}}},
        {QStringLiteral("OptionButton"), {QStringLiteral("Option"), {1215, 495}, caption, {}}},
        {QStringLiteral("ComboBox"), {QStringLiteral("Combo"), {1215, 315}, text, {}}},
        {QStringLiteral("ListBox"), {QStringLiteral("List"), {1215, 450}, {}, {}}},
        {QStringLiteral("HScrollBar"), {QStringLiteral("HScroll"), {1215, 255}, {}, {}}},
        {QStringLiteral("VScrollBar"), {QStringLiteral("VScroll"), {255, 1215}, {}, {}}},
        {QStringLiteral("Timer"), {QStringLiteral("Timer"), {}, {}, {}}},
        {QStringLiteral("DriveListBox"), {QStringLiteral("Drive"), {1215, 315}, {}, {}}},
        {QStringLiteral("DirListBox"), {QStringLiteral("Dir"), {1215, 1215}, {}, {}}},
        {QStringLiteral("FileListBox"), {QStringLiteral("File"), {1215, 1260}, {}, {}}},
        {QStringLiteral("Shape"), {QStringLiteral("Shape"), {1215, 495}, {}, {}}},
        {QStringLiteral("Line"), {QStringLiteral("Line"), {1215, 0}, {}, {}}},
        {QStringLiteral("Image"), {QStringLiteral("Image"), {1215, 495}, {}, {}}},
        {QStringLiteral("Data"),
         {QStringLiteral("Data"),
          {1140, 300},
          caption,
          Fixed{{QStringLiteral("Connect"), QStringLiteral("\"\"")},
                {QStringLiteral("DatabaseName"), QStringLiteral("\"\"")},
                {QStringLiteral("Exclusive"), QStringLiteral("0   'False")},
                {QStringLiteral("Options"), QStringLiteral("0")},
                {QStringLiteral("ReadOnly"), QStringLiteral("0   'False")},
                {QStringLiteral("RecordsetType"), QStringLiteral("1  'Dynaset")},
                {QStringLiteral("RecordSource"), QStringLiteral("\"\"")}}}}};
    return table;
}

} // namespace

NewControlStyle newControlStyle(const QString &className)
{
    const QString cls = className.section(QLatin1Char('.'), -1);
    auto it = styles().constFind(cls);
    if (it != styles().cend())
        return *it;
    return {cls, {1215, 495}, {}, {}};
}

QSize pictureBoxScale(double width, double height, int borderStyle, int appearance)
{
    const int border = borderStyle == 0 ? 0 : appearance == 0 ? 30 : 60;
    return QSize(std::max(0, int(width) - border), std::max(0, int(height) - border));
}

} // namespace vbhost

#include "ide/code/eventtable.h"

#include <QHash>
#include <algorithm>

namespace vbhost {

namespace {

// Parameters of the events that have the same ones wherever they occur.
const QHash<QString, QString> &commonParameters()
{
    static const QHash<QString, QString> params{
        {"KeyDown", "KeyCode As Integer, Shift As Integer"},
        {"KeyUp", "KeyCode As Integer, Shift As Integer"},
        {"KeyPress", "KeyAscii As Integer"},
        {"MouseDown", "Button As Integer, Shift As Integer, X As Single, Y As Single"},
        {"MouseMove", "Button As Integer, Shift As Integer, X As Single, Y As Single"},
        {"MouseUp", "Button As Integer, Shift As Integer, X As Single, Y As Single"},
        {"DragDrop", "Source As Control, X As Single, Y As Single"},
        {"DragOver", "Source As Control, X As Single, Y As Single, State As Integer"},
        {"LinkError", "LinkErr As Integer"},
        {"LinkOpen", "Cancel As Integer"},
        {"LinkExecute", "CmdStr As String, Cancel As Integer"},
        {"Unload", "Cancel As Integer"},
        {"QueryUnload", "Cancel As Integer, UnloadMode As Integer"},
        {"AccessKeyPress", "KeyAscii As Integer"},
        {"AmbientChanged", "PropertyName As String"},
        {"AsyncReadComplete", "AsyncProp As AsyncProperty"},
        {"ReadProperties", "PropBag As PropertyBag"},
        {"WriteProperties", "PropBag As PropertyBag"},
        {"EditProperty", "PropertyName As String"}};
    return params;
}

// Events are listed as "Name", with the common parameters, or "Name(parameters)" where the class
// has its own.
struct ClassRow
{
    const char *className;
    const char *defaultEvent;
    QStringList events;
};

const QStringList Mouse{"MouseDown", "MouseMove", "MouseUp"};
const QStringList Keys{"KeyDown", "KeyPress", "KeyUp"};
const QStringList Drag{"DragDrop", "DragOver"};
const QStringList Focus{"GotFocus", "LostFocus"};
const QStringList Link{"LinkClose", "LinkError", "LinkNotify", "LinkOpen"};
const QStringList FormLink{"LinkClose", "LinkError", "LinkExecute", "LinkOpen"};
const QStringList Clicks{"Click", "DblClick"};

QList<ClassRow> rows()
{
    const QStringList formLike = Clicks + Drag + Mouse + QStringList{"Initialize", "Terminate"};
    const QStringList designed = formLike + Focus + Keys + QStringList{"Paint"};
    const QStringList active{"EnterFocus",     "ExitFocus",       "Hide",
                             "InitProperties", "ReadProperties",  "Resize",
                             "Show",           "WriteProperties", "AsyncReadComplete"};
    return {
        {"Form", "Load",
         designed + FormLink +
             QStringList{"Activate", "Deactivate", "Load", "QueryUnload", "Resize", "Unload"}},
        {"MDIForm", "Load",
         formLike + FormLink +
             QStringList{"Activate", "Deactivate", "Load", "QueryUnload", "Resize", "Unload"}},
        {"UserControl", "Initialize",
         designed + active + QStringList{"AccessKeyPress", "AmbientChanged"}},
        {"PropertyPage", "SelectionChanged",
         designed + QStringList{"ApplyChanges", "EditProperty", "SelectionChanged"}},
        {"UserDocument", "Initialize", designed + active + QStringList{"Scroll"}},
        {"Class", "Initialize", {"Initialize", "Terminate"}},
        {"CommandButton", "Click", QStringList{"Click"} + Drag + Focus + Keys + Mouse},
        {"CheckBox", "Click", QStringList{"Click"} + Drag + Focus + Keys + Mouse},
        {"OptionButton", "Click", Clicks + Drag + Focus + Keys + Mouse},
        {"TextBox", "Change", QStringList{"Change"} + Clicks + Drag + Focus + Keys + Link + Mouse},
        {"Label", "Click", QStringList{"Change"} + Clicks + Drag + Link + Mouse},
        {"Frame", "DragDrop", Clicks + Drag + Mouse},
        {"ListBox", "Click", Clicks + Drag + Focus + Keys + Mouse},
        {"ComboBox", "Change", QStringList{"Change", "DropDown"} + Clicks + Drag + Focus + Keys},
        {"HScrollBar", "Change", QStringList{"Change", "Scroll"} + Drag + Focus + Keys},
        {"VScrollBar", "Change", QStringList{"Change", "Scroll"} + Drag + Focus + Keys},
        {"Timer", "Timer", {"Timer"}},
        {"PictureBox", "Click",
         QStringList{"Change", "Paint", "Resize"} + Clicks + Drag + Focus + Keys + Link + Mouse},
        {"Image", "Click", Clicks + Drag + Mouse},
        {"Shape", "", {}},
        {"Line", "", {}},
        {"DriveListBox", "Change", QStringList{"Change"} + Drag + Focus + Keys},
        {"DirListBox", "Change", QStringList{"Change", "Click"} + Drag + Focus + Keys + Mouse},
        {"FileListBox", "Click",
         QStringList{"PathChange", "PatternChange"} + Clicks + Drag + Focus + Keys + Mouse},
        {"Data", "Validate",
         Drag + Mouse +
             QStringList{"Error(DataErr As Integer, Response As Integer)", "Reposition", "Resize",
                         "Validate(Action As Integer, Save As Integer)"}},
        {"OLE", "Updated",
         Clicks + Drag + Focus + Keys + Mouse +
             QStringList{"ObjectMove(Left As Single, Top As Single, Width As Single, "
                         "Height As Single)",
                         "Resize(HeightNew As Single, WidthNew As Single)",
                         "Updated(Code As Integer)"}},
        {"Menu", "Click", {"Click"}},
    };
}

const QHash<QString, ClassEvents> &table()
{
    static const QHash<QString, ClassEvents> byClass = [] {
        QHash<QString, ClassEvents> out;
        for (const ClassRow &row : rows()) {
            ClassEvents c{
                QString::fromLatin1(row.className), {}, QString::fromLatin1(row.defaultEvent)};
            for (const QString &e : row.events) {
                const qsizetype paren = e.indexOf(u'(');
                if (paren < 0)
                    c.events.append({e, commonParameters().value(e)});
                else
                    c.events.append({e.left(paren), e.mid(paren + 1).chopped(1)});
            }
            std::sort(c.events.begin(), c.events.end(),
                      [](const EventInfo &a, const EventInfo &b) { return a.name < b.name; });
            out.insert(c.className.toLower(), c);
        }
        return out;
    }();
    return byClass;
}

} // namespace

const EventInfo *ClassEvents::find(const QString &event) const
{
    for (const EventInfo &e : events) {
        if (e.name.compare(event, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

const ClassEvents *classEvents(const QString &className)
{
    const auto it = table().constFind(className.toLower());
    return it == table().constEnd() ? nullptr : &*it;
}

QString eventStub(const QString &objectName, const EventInfo &event, bool isArray)
{
    QString parameters = event.parameters;
    if (isArray)
        parameters = parameters.isEmpty() ? QStringLiteral("Index As Integer")
                                          : QStringLiteral("Index As Integer, ") + parameters;
    return QStringLiteral("Private Sub %1_%2(%3)\n\nEnd Sub")
        .arg(objectName, event.name, parameters);
}

} // namespace vbhost

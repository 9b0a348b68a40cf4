#include "controlcommands.h"

#include "ide/designer/controlclipboard.h"
#include "ide/designer/designlayout.h"
#include "ide/designer/formcanvas.h"
#include "ide/model/newcontrol.h"
#include "ide/model/workspace.h"
#include "platform/ui/services.h"

namespace vbhost {

QString controlArrayQuestion(const QString &name)
{
    return QStringLiteral("You already have a control named '%1'. Do you want to create a "
                          "control array?")
        .arg(name);
}

ControlCommands::ControlCommands(Workspace &workspace, ui::Services &services, QObject *parent)
    : QObject(parent), m_workspace(workspace), m_services(services)
{}

bool ControlCommands::hasForm() const
{
    return m_workspace.activeForm() >= 0;
}

bool ControlCommands::hasSelection() const
{
    return hasForm() && !m_workspace.selection().isEmpty();
}

void ControlCommands::copy()
{
    if (!hasSelection())
        return;
    const int form = m_workspace.activeForm();
    const QStringList keys = m_workspace.selection();
    QString container;
    for (const ControlInfo &c : m_workspace.controls(form)) {
        if (c.key.compare(keys.first(), Qt::CaseInsensitive) == 0)
            container = c.parentKey;
    }
    const Workspace::CopiedControls copied = m_workspace.copyControlsWithRecords(form, keys);
    putControlsOnClipboard({copied.text, controlSource(form, container), copied.records});
    m_pastes.clear();
    // Said now, so that a cut is not a surprise: such a record cannot go to another form.
    for (const CompanionRecord &r : copied.records) {
        if (!r.problem.isEmpty())
            emit status(tr("%1: these controls can be pasted on this form only").arg(r.problem));
    }
}

void ControlCommands::cut()
{
    if (!hasSelection())
        return;
    copy();
    remove();
}

void ControlCommands::remove()
{
    if (hasSelection())
        m_workspace.removeControls(m_workspace.activeForm(), m_workspace.selection());
}

QString ControlCommands::pasteContainer() const
{
    const QStringList keys = m_workspace.selection();
    if (keys.size() != 1)
        return {};
    for (const ControlInfo &c : m_workspace.controls(m_workspace.activeForm())) {
        if (c.key.compare(keys.first(), Qt::CaseInsensitive) == 0)
            return isContainerClass(c.className) ? c.key : QString();
    }
    return {};
}

void ControlCommands::paste()
{
    const std::optional<ClipboardControls> clip = controlsOnClipboard();
    if (!hasForm() || !clip)
        return;
    const int form = m_workspace.activeForm();
    const QString container = pasteContainer();
    const QString target = controlSource(form, container);
    // Copies land one grid step from where they were copied; in another container, at its
    // top-left corner as the environment puts them. Each further paste goes one step on.
    int &count = m_pastes[target + u'\n' + clip->text];
    const bool elsewhere = clip->source != target;
    const double offset = double(++count - (elsewhere ? 1 : 0)) * FormCanvas::kGridTwips;
    const auto ask = [this](const QString &name) {
        const int answer =
            m_services.MsgBox(controlArrayQuestion(name),
                              int(ui::mb::YesNo) | int(ui::mb::Question), QStringLiteral("vbhost"));
        return answer == ui::mb::Yes ? Workspace::NameClash::ControlArray
                                     : Workspace::NameClash::NewName;
    };
    const bool sameForm = clip->source.section(u':', 0, 1) == target.section(u':', 0, 1);
    try {
        const QStringList keys = m_workspace.pasteControls(
            form, container, {clip->text, clip->records, sameForm}, elsewhere, offset, offset, ask);
        emit status(tr("Pasted %1").arg(keys.join(QStringLiteral(", "))));
    } catch (const automation::Error &e) {
        --count;
        if (e.number() == automation::Error::invalidCall().number()) {
            emit status(tr("The clipboard holds no controls that can be pasted"));
            return;
        }
        emit status(e.description());
        m_services.MsgBox(e.description(), int(ui::mb::OKOnly) | int(ui::mb::Exclamation),
                          QStringLiteral("vbhost"));
    }
}

void ControlCommands::selectAll()
{
    if (!hasForm())
        return;
    QStringList keys;
    for (const ControlInfo &c : m_workspace.controls(m_workspace.activeForm())) {
        if (!c.isMenu && c.parentKey.isEmpty())
            keys << c.key;
    }
    m_workspace.setSelection(keys);
}

void ControlCommands::bringToFront()
{
    if (hasSelection())
        m_workspace.bringToFront(m_workspace.activeForm(), m_workspace.selection());
}

void ControlCommands::sendToBack()
{
    if (hasSelection())
        m_workspace.sendToBack(m_workspace.activeForm(), m_workspace.selection());
}

QString ControlCommands::addAtCentre(const QString &className)
{
    if (!hasForm())
        return {};
    const int form = m_workspace.activeForm();
    const auto number = [&](const char *name) {
        try {
            return m_workspace.property(form, {}, QString::fromLatin1(name)).toDouble();
        } catch (const automation::Error &) {
            return 0.0;
        }
    };
    double width = number("ScaleWidth"), height = number("ScaleHeight");
    if (width <= 0 || height <= 0) {
        width = number("ClientWidth");
        height = number("ClientHeight");
    }
    const QSize size = newControlStyle(className).defaultSize;
    const double left = std::round((width - size.width()) / 2);
    const double top = std::round((height - size.height()) / 2);
    try {
        const QString key = m_workspace.addControl(form, className, {}, std::max(0.0, left),
                                                   std::max(0.0, top), size.width(), size.height());
        m_workspace.setSelection({key});
        return key;
    } catch (const automation::Error &) {
        return {};
    }
}

} // namespace vbhost

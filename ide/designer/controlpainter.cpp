#include "controlpainter.h"

#include "platform/ui/twips.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace vbhost {

namespace {

void initOption(const ControlPaint &paint, QStyleOption &o)
{
    o.initFrom(paint.canvas);
    o.rect = paint.r;
    o.state &= ~QStyle::State_HasFocus;
    o.state |= QStyle::State_Enabled;
}

bool isClass(const DesignControl &c, const char *name)
{
    return c.className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The style's sunken frame over a filled background.
void paintSunken(const ControlPaint &paint, int lineWidth, QPalette::ColorRole fill,
                 QStyle::PrimitiveElement frame)
{
    QStyleOptionFrame o;
    initOption(paint, o);
    o.lineWidth = lineWidth;
    o.state |= QStyle::State_Sunken;
    paint.p.fillRect(paint.r, paint.canvas->palette().color(fill));
    paint.canvas->style()->drawPrimitive(frame, &o, &paint.p, paint.canvas);
}

void paintCommandButton(const ControlPaint &paint)
{
    QStyleOptionButton o;
    initOption(paint, o);
    o.text = paint.caption;
    o.state |= QStyle::State_Raised;
    paint.canvas->style()->drawControl(QStyle::CE_PushButton, &o, &paint.p, paint.canvas);
}

void paintCheckOrOption(const ControlPaint &paint)
{
    QStyleOptionButton o;
    initOption(paint, o);
    o.text = paint.caption;
    const double v = paint.number(QStringLiteral("Value"), 0);
    o.state |= v != 0 ? QStyle::State_On : QStyle::State_Off;
    paint.canvas->style()->drawControl(isClass(paint.control, "CheckBox") ? QStyle::CE_CheckBox
                                                                          : QStyle::CE_RadioButton,
                                       &o, &paint.p, paint.canvas);
}

// Etched border with the caption set into its top edge.
void paintFrame(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QRect &r = paint.r;
    const QPalette pal = paint.canvas->palette();
    const QFontMetrics fm(paint.canvas->font());
    const QRect box = r.adjusted(0, fm.height() / 2, -2, -2);
    p.fillRect(r, pal.color(QPalette::Window)); // opaque: the grid stops at the frame
    p.setBrush(Qt::NoBrush);
    p.setPen(pal.color(QPalette::Light));
    p.drawRect(box.translated(1, 1));
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(box);
    if (!paint.caption.isEmpty()) {
        const QString shown = QString(paint.caption).remove(QLatin1Char('&'));
        const QRect label(r.left() + 8, r.top(), fm.horizontalAdvance(shown) + 6, fm.height());
        p.fillRect(label, pal.color(QPalette::Window));
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, paint.caption);
    }
}

void paintTextBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QPalette pal = paint.canvas->palette();
    paintSunken(paint, 1, QPalette::Base, QStyle::PE_PanelLineEdit);
    p.setPen(pal.color(QPalette::Text));
    p.drawText(paint.r.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
               paint.text.isEmpty() ? paint.control.name : paint.text);
}

void paintListBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QPalette pal = paint.canvas->palette();
    p.fillRect(paint.r, pal.color(QPalette::Base));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(paint.r.adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::Text));
    p.drawText(paint.r.adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignLeft, paint.control.name);
}

void paintComboBox(const ControlPaint &paint)
{
    QStyle *st = paint.canvas->style();
    QStyleOptionComboBox o;
    initOption(paint, o);
    o.editable = !isClass(paint.control, "DriveListBox");
    o.currentText = paint.text.isEmpty() ? paint.control.name : paint.text;
    o.subControls = QStyle::SC_All;
    st->drawComplexControl(QStyle::CC_ComboBox, &o, &paint.p, paint.canvas);
    st->drawControl(QStyle::CE_ComboBoxLabel, &o, &paint.p, paint.canvas);
}

void paintScrollBar(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    QStyleOptionSlider o;
    initOption(paint, o);
    o.orientation = isClass(paint.control, "HScrollBar") ? Qt::Horizontal : Qt::Vertical;
    o.minimum = 0;
    o.maximum = 100;
    o.pageStep = 10;
    o.subControls = QStyle::SC_All;
    if (o.orientation == Qt::Horizontal)
        o.state |= QStyle::State_Horizontal;
    // The style lays a scroll bar out from the origin; draw it there and move it.
    o.rect = QRect(QPoint(0, 0), paint.r.size());
    p.save();
    p.translate(paint.r.topLeft());
    paint.canvas->style()->drawComplexControl(QStyle::CC_ScrollBar, &o, &p, paint.canvas);
    p.restore();
}

void paintLabel(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QPalette pal = paint.canvas->palette();
    const double border = paint.number(QStringLiteral("BorderStyle"), 0);
    const double align = paint.number(QStringLiteral("Alignment"), 0);
    if (border != 0) {
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(paint.r.adjusted(0, 0, -1, -1));
    }
    p.setPen(pal.color(QPalette::WindowText));
    const Qt::Alignment h = align == 1   ? Qt::AlignRight
                            : align == 2 ? Qt::AlignHCenter
                                         : Qt::AlignLeft;
    p.drawText(paint.r.adjusted(2, 1, -2, -1),
               h | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, paint.caption);
}

// Picture boxes, panels and data controls: a sunken panel (the data control with its caption).
void paintPanel(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QPalette pal = paint.canvas->palette();
    paintSunken(paint, 2, QPalette::Button, QStyle::PE_Frame);
    p.setPen(pal.color(QPalette::Mid));
    p.drawText(paint.r, Qt::AlignCenter,
               isClass(paint.control, "Data") ? paint.caption : QString());
}

void paintImage(const ControlPaint &paint)
{
    paint.p.setPen(QPen(paint.canvas->palette().color(QPalette::Dark), 1, Qt::DashLine));
    paint.p.drawRect(paint.r.adjusted(0, 0, -1, -1));
}

void paintShape(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const double shape = paint.number(QStringLiteral("Shape"), 0);
    p.setPen(QPen(paint.canvas->palette().color(QPalette::WindowText), 1));
    p.setBrush(Qt::NoBrush);
    const QRect sr = paint.r.adjusted(0, 0, -1, -1);
    if (shape == 2 || shape == 3)
        p.drawEllipse(sr);
    else if (shape == 4 || shape == 5)
        p.drawRoundedRect(sr, 6, 6);
    else
        p.drawRect(sr);
}

void paintLine(const ControlPaint &paint)
{
    const DesignControl &c = paint.control;
    QPoint origin = paint.r.normalized().topLeft() + QPoint(2, 2);
    // Endpoints from the bounds: the rectangle itself lost the line's direction.
    const int x1 = ui::twipsToPixels(c.bounds.left());
    const int y1 = ui::twipsToPixels(c.bounds.top());
    const int x2 = ui::twipsToPixels(c.bounds.left() + c.bounds.width());
    const int y2 = ui::twipsToPixels(c.bounds.top() + c.bounds.height());
    const QPoint shift = origin - QPoint(std::min(x1, x2), std::min(y1, y2));
    paint.p.setPen(QPen(paint.canvas->palette().color(QPalette::WindowText), 1));
    paint.p.drawLine(QPoint(x1, y1) + shift, QPoint(x2, y2) + shift);
}

// A control invisible at run time: a small raised tile with a symbol of its class.
void paintIconTile(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    QStyleOptionButton o;
    initOption(paint, o);
    paint.canvas->style()->drawControl(QStyle::CE_PushButtonBevel, &o, &p, paint.canvas);
    p.setPen(QPen(paint.canvas->palette().color(QPalette::WindowText), 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    const QRect face = paint.r.adjusted(6, 6, -6, -6);
    if (isClass(paint.control, "Timer")) {
        p.drawEllipse(face);
        p.drawLine(face.center(), face.center() + QPoint(0, -face.height() / 2 + 2));
        p.drawLine(face.center(), face.center() + QPoint(face.width() / 2 - 3, 0));
    } else {
        p.drawRect(face);
        p.drawText(face, Qt::AlignCenter, paint.control.className.left(1));
    }
}

// A class we know nothing about: a labelled box of its size.
void paintUnknownClass(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QPalette pal = paint.canvas->palette();
    p.fillRect(paint.r, pal.color(QPalette::Button));
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(paint.r.adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(paint.r, Qt::AlignCenter | Qt::TextWordWrap, paint.control.className);
}

using Painter = void (*)(const ControlPaint &);

// Painters by class name in lower case.
const QHash<QString, Painter> &paintersByClass()
{
    static const QHash<QString, Painter> painters{
        {QStringLiteral("commandbutton"), paintCommandButton},
        {QStringLiteral("checkbox"), paintCheckOrOption},
        {QStringLiteral("optionbutton"), paintCheckOrOption},
        {QStringLiteral("frame"), paintFrame},
        {QStringLiteral("ssframe"), paintFrame},
        {QStringLiteral("textbox"), paintTextBox},
        {QStringLiteral("listbox"), paintListBox},
        {QStringLiteral("filelistbox"), paintListBox},
        {QStringLiteral("dirlistbox"), paintListBox},
        {QStringLiteral("dblist"), paintListBox},
        {QStringLiteral("combobox"), paintComboBox},
        {QStringLiteral("drivelistbox"), paintComboBox},
        {QStringLiteral("dbcombo"), paintComboBox},
        {QStringLiteral("hscrollbar"), paintScrollBar},
        {QStringLiteral("vscrollbar"), paintScrollBar},
        {QStringLiteral("label"), paintLabel},
        {QStringLiteral("picturebox"), paintPanel},
        {QStringLiteral("sspanel"), paintPanel},
        {QStringLiteral("data"), paintPanel},
        {QStringLiteral("image"), paintImage},
        {QStringLiteral("ole"), paintImage},
        {QStringLiteral("shape"), paintShape}};
    return painters;
}

} // namespace

void paintControl(const ControlPaint &paint)
{
    const DesignControl &c = paint.control;
    if (const Painter painter = paintersByClass().value(c.className.toLower()))
        painter(paint);
    else if (c.isLine)
        paintLine(paint);
    else if (hasFixedIcon(c.className))
        paintIconTile(paint);
    else
        paintUnknownClass(paint);
}

} // namespace vbhost

#include "controlpainter.h"

#include "ide/designer/classicdraw.h"
#include "ide/designer/controlpainter_p.h"
#include "ide/designer/picturecache.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace vbhost {

namespace {

enum : int { ButtonFace = 15, GrayText = 17, ButtonText = 18, Window = 5, WindowFrame = 6 };

bool isClass(const DesignControl &c, const char *name)
{
    return c.className.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

Qt::Alignment horizontal(int alignment)
{
    return alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

QColor textColour(const ControlPaint &paint, const QColor &normal)
{
    return paint.look.enabled ? normal : systemColour(GrayText);
}

// A raised face with a picture above a caption at its bottom, as graphical buttons show them.
void paintButtonFace(const ControlPaint &paint, const QColor &face, bool pressed)
{
    QPainter &p = paint.p;
    const QRect &r = paint.r;
    p.fillRect(r, face);
    drawButtonEdge(p, r, pressed);
    QRect inner = r.adjusted(3, 3, -3, -3).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    p.setFont(paint.font);
    p.setPen(textColour(paint, systemColour(ButtonText)));
    const int flags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (paint.picture && paint.look.style == 1) {
        const QFontMetrics fm(paint.font);
        const int textHeight = paint.look.caption.isEmpty() ? 0 : fm.height();
        const QRect area = inner.adjusted(0, 0, 0, -textHeight);
        const QSize size = paint.picture->image.isNull()
                               ? area.size()
                               : paint.picture->image.size().boundedTo(area.size());
        const QRect place(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
        p.save();
        p.setClipRect(area, Qt::IntersectClip);
        paintPicture(p, paint.picture->image.isNull() ? area : place, *paint.picture, false,
                     paint.font);
        p.restore();
        p.drawText(inner, Qt::AlignBottom | flags, paint.look.caption);
    } else {
        p.drawText(inner, Qt::AlignVCenter | flags, paint.look.caption);
    }
}

void paintCommandButton(const ControlPaint &paint)
{
    // Only graphical buttons take their BackColor.
    paintButtonFace(
        paint, paint.look.style == 1 ? argbColour(paint.look.backColour) : systemColour(ButtonFace),
        false);
}

void paintCheckMark(QPainter &p, const QRect &box, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const QPoint o = box.topLeft();
    p.drawPolyline(QPolygon({o + QPoint(3, 6), o + QPoint(5, 8), o + QPoint(9, 4)}));
    p.restore();
}

void paintCheckOrOption(const ControlPaint &paint)
{
    const ControlLook &look = paint.look;
    const bool check = isClass(paint.control, "CheckBox");
    if (look.style == 1) {
        paintButtonFace(paint, argbColour(look.backColour), check ? look.value == 1 : look.value);
        return;
    }
    QPainter &p = paint.p;
    const QRect &r = paint.r;
    p.fillRect(r, argbColour(look.backColour));
    const int box = 13;
    const int top = r.top() + (r.height() - box) / 2;
    const bool right = look.alignment == 1;
    const QRect mark(right ? r.right() - box + 1 : r.left(), top, box, box);
    if (check) {
        p.fillRect(mark, look.value == 2 ? systemColour(ButtonFace) : systemColour(Window));
        drawSunkenEdge(p, mark);
        if (look.value != 0)
            paintCheckMark(p, mark, look.value == 2 ? systemColour(GrayText) : Qt::black);
    } else {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(systemColour(16), 1));
        p.setBrush(systemColour(Window));
        p.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -1.5, -1.5));
        p.setPen(QPen(systemColour(21), 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(mark).adjusted(1.5, 1.5, -2.5, -2.5), 45 * 16, 180 * 16);
        if (look.value != 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QRectF(mark).adjusted(4, 4, -5, -5));
        }
        p.restore();
    }
    const QRect text = right ? r.adjusted(0, 0, -box - 4, 0) : r.adjusted(box + 4, 0, 0, 0);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(look.foreColour)));
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic,
               look.caption);
}

// The etched border with the caption set into its top edge; none of either with BorderStyle 0.
void paintFrame(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QRect &r = paint.r;
    const QColor back = argbColour(paint.look.backColour);
    p.fillRect(r, back); // opaque: the grid stops at the frame
    if (paint.look.borderStyle == 0)
        return;
    const QFontMetrics fm(paint.font);
    const QRect box = r.adjusted(0, fm.height() / 2, 0, 0);
    if (paint.look.appearance == 0)
        drawFlatRect(p, box, systemColour(WindowFrame));
    else
        drawEtchedRect(p, box);
    if (paint.look.caption.isEmpty())
        return;
    const QString shown = QString(paint.look.caption).remove(QLatin1Char('&'));
    const QRect label(r.left() + 8, r.top(), fm.horizontalAdvance(shown) + 4, fm.height());
    p.fillRect(label, back);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, paint.look.caption);
}

void paintTextBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    p.fillRect(paint.r, argbColour(paint.look.backColour));
    const int border = paintControlBorder(paint, paint.look.borderStyle != 0);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(paint.r.adjusted(border + 1, border + 1, -border - 1, -border),
               Qt::AlignTop | horizontal(paint.look.alignment), paint.look.text);
}

// List boxes show their name at design time.
void paintListBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    p.fillRect(paint.r, argbColour(paint.look.backColour));
    const int border = paintControlBorder(paint, true);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(paint.r.adjusted(border + 1, border, -border, -border), Qt::AlignTop | Qt::AlignLeft,
               paint.control.name);
}

// The drop-down button of combo boxes: a raised square with a small black triangle.
void paintDropButton(QPainter &p, const QRect &b)
{
    p.fillRect(b, systemColour(ButtonFace));
    drawButtonEdge(p, b);
    const QPoint c = b.center() + QPoint(1, 1);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({c + QPoint(-3, -1), c + QPoint(4, -1), c + QPoint(0, 3)}));
    p.restore();
}

void paintComboBox(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    const QRect &r = paint.r;
    p.fillRect(r, argbColour(paint.look.backColour));
    drawSunkenEdge(p, r);
    const int button = std::min(16, std::max(r.width() - 4, 0));
    paintDropButton(p, QRect(r.right() - 1 - button, r.top() + 2, button, r.height() - 4));
    // A drop-down list shows its name, the others their text.
    const bool list = isClass(paint.control, "ComboBox") ? paint.look.style == 2 : true;
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(r.adjusted(4, 2, -button - 4, -2), Qt::AlignVCenter | Qt::AlignLeft,
               list ? paint.control.name : paint.look.text);
}

void paintScrollBar(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    QStyleOptionSlider o;
    o.initFrom(paint.canvas);
    o.state &= ~QStyle::State_HasFocus;
    o.state |= QStyle::State_Enabled;
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

int labelFlags(const ControlLook &look)
{
    const int wrap = look.autoSize && !look.wordWrap ? 0 : int(Qt::TextWordWrap);
    return int(horizontal(look.alignment)) | Qt::AlignTop | wrap | Qt::TextShowMnemonic;
}

int labelBorder(const ControlLook &look)
{
    return look.borderStyle == 0 ? 0 : look.appearance == 0 ? 1 : 2;
}

void paintLabel(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    if (paint.look.backStyle != 0)
        p.fillRect(paint.r, argbColour(paint.look.backColour));
    const int border = paintControlBorder(paint, paint.look.borderStyle != 0);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(paint.r.adjusted(border, border, -border, -border), labelFlags(paint.look),
               paint.look.caption);
}

// Data controls and panels of other libraries: a raised panel with their caption.
void paintPanel(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    p.fillRect(paint.r, argbColour(paint.look.backColour));
    drawButtonEdge(p, paint.r);
    p.setFont(paint.font);
    p.setPen(textColour(paint, argbColour(paint.look.foreColour)));
    p.drawText(paint.r, Qt::AlignCenter | Qt::TextShowMnemonic, paint.look.caption);
}

// A control invisible at run time: a small raised tile with a symbol of its class.
void paintIconTile(const ControlPaint &paint)
{
    QPainter &p = paint.p;
    p.fillRect(paint.r, systemColour(ButtonFace));
    drawButtonEdge(p, paint.r);
    p.setPen(QPen(Qt::black, 1.5));
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
        {QStringLiteral("picturebox"), paintPictureBox},
        {QStringLiteral("sspanel"), paintPanel},
        {QStringLiteral("data"), paintPanel},
        {QStringLiteral("image"), paintImage},
        {QStringLiteral("ole"), paintImage},
        {QStringLiteral("shape"), paintShape}};
    return painters;
}

} // namespace

int paintControlBorder(const ControlPaint &paint, bool bordered)
{
    if (!bordered)
        return 0;
    if (paint.look.appearance == 0) {
        drawFlatRect(paint.p, paint.r, systemColour(WindowFrame));
        return 1;
    }
    drawSunkenEdge(paint.p, paint.r);
    return 2;
}

QSize labelAutoSize(const ControlLook &look, const QFont &font, int width)
{
    const int border = labelBorder(look);
    const QFontMetrics fm(font);
    const QString text = look.caption.isEmpty() ? QStringLiteral(" ") : look.caption;
    QRect ink;
    if (look.wordWrap) {
        const int inner = std::max(1, width - 2 * border);
        ink = fm.boundingRect(QRect(0, 0, inner, 1 << 20), labelFlags(look), text);
        return QSize(width, ink.height() + 2 * border);
    }
    ink = fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), labelFlags(look), text);
    return QSize(look.caption.isEmpty() ? 2 * border + 1 : ink.width() + 2 * border,
                 ink.height() + 2 * border);
}

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

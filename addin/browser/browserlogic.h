#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tolvar {

// The five toolbar buttons of the browser window, in toolbar order; a button's code is its
// index plus one.
struct BrowserButton
{
    QString name;
    QString upName; // the invisible holders of its three pictures
    QString dnName;
    QString ckName;
    QString hint;
    QString subject; // what the hint is about, for assistive technology
};

extern const std::array<BrowserButton, 5> BrowserButtons;

enum BrowserButtonCode : qint16 { MoveB = 1, MoveF, BStop, Ref, Home };

struct SearchEngine
{
    QString caption;
    QString address;
};

// The search buttons Command1(0) to Command1(6).
extern const std::array<SearchEngine, 7> SearchEngines;

inline const QString BrowserCaption =
    QStringLiteral("Vantix Software: Tolvar Add-In 2.0 Web Browser");

// The caption for a page's title.
QString browserCaption(const QString &title);

// Adds an address to the location list unless an entry is the same text already (letter case
// counts); the list keeps the order of first visits. Returns the address's index.
qsizetype addLocation(QStringList &list, const QString &address);

// The progress panel after a progress report: its figure's colour and, when the panel takes
// the value, its new fill. Colours are 0xRRGGBB.
struct ProgressPanelUpdate
{
    quint32 foreColor;
    std::optional<int> floodPercent;
};
ProgressPanelUpdate progressPanelUpdate(int progress, quint32 stripBackColor);

// Where the browser window's resizing places its controls, in twips, for the inner width and
// height; nothing moves while the window is minimised.
struct BrowserMetrics
{
    double label1Left = 0;
    double label1Width = 0;
    double picture1Height = 0;
    double ssPanel1Height = 0;
    double ssPanel2Height = 0;
    double statusBar1Height = 0;
};
struct BrowserLayout
{
    double combo1Width = 0;
    QRectF ssPanel2;
    QRectF statusBar1;
    QRectF webBrowser1;
};
std::optional<BrowserLayout> layoutBrowser(double width, double height, bool minimised,
                                           const BrowserMetrics &metrics);

} // namespace tolvar

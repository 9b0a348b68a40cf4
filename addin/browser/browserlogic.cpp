#include "browserlogic.h"

namespace tolvar {

const std::array<BrowserButton, 5> BrowserButtons = {{
    {QStringLiteral("MoveB"), QStringLiteral("MoveBUp"), QStringLiteral("MoveBDn"),
     QStringLiteral("MoveBCk"), QStringLiteral("Retrieve previous page."),
     QStringLiteral("Previous page")},
    {QStringLiteral("MoveF"), QStringLiteral("MoveFup"), QStringLiteral("MoveFDn"),
     QStringLiteral("MoveFCk"), QStringLiteral("Move forward a page."),
     QStringLiteral("Next page")},
    {QStringLiteral("BStop"), QStringLiteral("StopUp"), QStringLiteral("StopDn"),
     QStringLiteral("StopCk"), QStringLiteral("Stop transfer."), QStringLiteral("Stop transfer")},
    {QStringLiteral("Ref"), QStringLiteral("RefUp"), QStringLiteral("RefDn"),
     QStringLiteral("RefCk"), QStringLiteral("Reload page."), QStringLiteral("Reload page")},
    {QStringLiteral("Home"), QStringLiteral("HomeUp"), QStringLiteral("HomeDn"),
     QStringLiteral("HomeCk"), QStringLiteral("Go to the Visual Basic World Wide page."),
     QStringLiteral("Visual Basic World Wide page")},
}};

const std::array<SearchEngine, 7> SearchEngines = {{
    {QStringLiteral("Yahoo"), QStringLiteral("https://www.yahoo.com/")},
    {QStringLiteral("Infoseek"), QStringLiteral("https://www.infoseek.co.jp/")},
    {QStringLiteral("Excite"), QStringLiteral("https://www.excite.com/")},
    {QStringLiteral("Lycos"), QStringLiteral("https://www.lycos.com/")},
    {QStringLiteral("WebCrawler"), QStringLiteral("https://www.webcrawler.com/")},
    {QStringLiteral("Alta Vista"), QStringLiteral("https://www.altavista.com/")},
    {QStringLiteral("HotBot"), QStringLiteral("https://www.hotbot.com/")},
}};

QString browserCaption(const QString &title)
{
    return title + QStringLiteral(" - ") + BrowserCaption;
}

qsizetype addLocation(QStringList &list, const QString &address)
{
    const qsizetype found = list.indexOf(address, 0);
    if (found >= 0)
        return found;
    list.append(address);
    return list.size() - 1;
}

ProgressPanelUpdate progressPanelUpdate(int progress, quint32 stripBackColor)
{
    ProgressPanelUpdate update{progress == -1 ? stripBackColor : 0xFFFFFFu, std::nullopt};
    if (progress >= 0 && progress <= 100)
        update.floodPercent = progress;
    return update;
}

std::optional<BrowserLayout> layoutBrowser(double width, double height, bool minimised,
                                           const BrowserMetrics &m)
{
    if (minimised)
        return std::nullopt;
    BrowserLayout layout;
    layout.combo1Width = width - (m.label1Left + m.label1Width + 150);
    layout.ssPanel2 = QRectF(0.879 * width, 30, 0.121 * width, m.ssPanel2Height);
    layout.statusBar1 = QRectF(0.001 * width, 0, 0.874 * width, m.statusBar1Height);
    layout.webBrowser1 =
        QRectF(0, m.picture1Height, width, height - (m.picture1Height + m.ssPanel1Height));
    return layout;
}

} // namespace tolvar

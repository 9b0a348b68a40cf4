#include "taborderbyposition.h"

#include "addin/runtime/traps.h"

#include <algorithm>

namespace tolvar {

using automation::Value;

namespace {

struct Stop
{
    Value control;
    Value tabIndex;
    double left, top, height;
};

// A row starts at the topmost control (ties: leftmost) and takes every control whose top lies
// above that one's middle; the row runs by Left.
QList<Stop> readingOrder(QList<Stop> rest)
{
    QList<Stop> order;
    while (!rest.isEmpty()) {
        const auto head =
            std::min_element(rest.begin(), rest.end(), [](const Stop &a, const Stop &b) {
                return a.top < b.top || (a.top == b.top && a.left < b.left);
            });
        const double middle = head->top + head->height / 2;
        QList<Stop> row{*head};
        rest.erase(head);
        for (auto it = rest.begin(); it != rest.end();) {
            if (it->top < middle) {
                row.append(*it);
                it = rest.erase(it);
            } else {
                ++it;
            }
        }
        std::stable_sort(row.begin(), row.end(),
                         [](const Stop &a, const Stop &b) { return a.left < b.left; });
        order.append(row);
    }
    return order;
}

} // namespace

void TabOrderByPosition(const StatusSink &setStatus)
{
    const std::optional<DesignSelection> selection = fetchDesignSelection();
    if (!selection)
        return;

    QList<Stop> stops;
    for (const Value &c : selection->controls) {
        IgnoreAndContinue([&] {
            const Value tabIndex = propertyValue(c, QStringLiteral("TabIndex"));
            stops.append({c, tabIndex, numberProperty(c, QStringLiteral("Left")),
                          numberProperty(c, QStringLiteral("Top")),
                          numberProperty(c, QStringLiteral("Height"))});
        });
    }
    if (stops.size() < 2) {
        setStatus(SelectTwoText);
        return;
    }

    QList<Value> values;
    for (const Stop &s : stops)
        values.append(s.tabIndex);
    std::stable_sort(values.begin(), values.end(),
                     [](const Value &a, const Value &b) { return a.toDouble() < b.toDouble(); });
    const QList<Stop> order = readingOrder(stops);
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order[i].tabIndex == values[i])
            continue;
        IgnoreAndContinue(
            [&] { assignProperty(order[i].control, QStringLiteral("TabIndex"), values[i]); });
    }
}

} // namespace tolvar

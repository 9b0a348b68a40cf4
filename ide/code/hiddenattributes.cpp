#include "ide/code/hiddenattributes.h"

#include "ide/code/basiclexer.h"
#include "ide/code/lineedits.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace vbhost {

namespace {

const QRegularExpression &attributePattern()
{
    static const QRegularExpression re(QStringLiteral("^Attribute\\s+(\\S+?)\\s*="),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString memberOf(const QString &attributeLine)
{
    const QString name = attributePattern().match(attributeLine).captured(1);
    const qsizetype dot = name.indexOf(u'.');
    return dot > 0 ? name.left(dot) : QString();
}

// The definitions a module makes at its own level, by line: procedure headers, and variables,
// constants, events and declared routines outside procedures. Lines inside a procedure's body
// (its local variables) define nothing here.
class ModuleDefinitions
{
public:
    explicit ModuleDefinitions(const QStringList &lines) : m_lines(lines) {}

    const Definition &at(int line)
    {
        build();
        return m_definitions[line];
    }

    // The line closest to `near` whose definition passes the test, or nothing.
    template <class Test> std::optional<int> closest(int near, Test test)
    {
        build();
        std::optional<int> best;
        for (int i = 0; i < m_definitions.size(); ++i) {
            if (!m_definitions[i].isEmpty() && test(m_definitions[i]) &&
                (!best || std::abs(i - near) < std::abs(*best - near)))
                best = i;
        }
        return best;
    }

private:
    void build()
    {
        if (m_built)
            return;
        m_built = true;
        const int n = int(m_lines.size());
        m_definitions.resize(n);
        const QList<Procedure> procedures = scanProcedures(m_lines);
        int next = 0; // the next procedure
        for (int i = 0; i < n; ++i) {
            if (next < procedures.size() && i >= procedures[next].header) {
                // The header's definition belongs to its last line, where attributes follow.
                int last = procedures[next].header;
                while (last + 1 < n && continuesOnNextLine(m_lines[last]))
                    ++last;
                m_definitions[last] = definitionOf(statementEndingAt(m_lines, last));
                i = procedures[next].end;
                ++next;
                continue;
            }
            if (!continuesOnNextLine(m_lines[i]))
                m_definitions[i] = definitionOf(statementEndingAt(m_lines, i));
        }
    }

    const QStringList &m_lines;
    QList<Definition> m_definitions;
    bool m_built = false;
};

Definition definitionAt(const QStringList &lines, int line)
{
    return line < 0 ? Definition() : definitionOf(statementEndingAt(lines, line));
}

bool names(const Definition &d, const QString &member)
{
    return std::any_of(d.names.begin(), d.names.end(), [&](const QString &n) {
        return n.compare(member, Qt::CaseInsensitive) == 0;
    });
}

bool sameDefinition(const Definition &a, const Definition &b)
{
    return !a.isEmpty() && a.kind == b.kind && a.names.size() == b.names.size() &&
           std::equal(a.names.begin(), a.names.end(), b.names.begin(),
                      [](const QString &x, const QString &y) {
                          return x.compare(y, Qt::CaseInsensitive) == 0;
                      });
}

// Where a member's run goes when its own line is gone: after the line defining the same thing,
// else after a definition of its member (the same kind first).
std::optional<int> findHome(ModuleDefinitions &defs, const Definition &was, const QString &member,
                            int near)
{
    if (auto same = defs.closest(near, [&](const Definition &d) { return sameDefinition(d, was); }))
        return same;
    if (member.isEmpty())
        return std::nullopt;
    if (auto kin = defs.closest(
            near, [&](const Definition &d) { return d.kind == was.kind && names(d, member); }))
        return kin;
    return defs.closest(near, [&](const Definition &d) { return names(d, member); });
}

} // namespace

bool isAttributeLine(QStringView line)
{
    return line.startsWith(u"Attribute", Qt::CaseInsensitive) &&
           attributePattern().match(line.toString()).hasMatch();
}

HiddenAttributes::HiddenAttributes(const QString &code)
{
    reset(code);
}

void HiddenAttributes::reset(const QString &code)
{
    m_groups.clear();
    m_visible.clear();
    const QStringList lines = code.split(u'\n');
    for (const QString &line : lines) {
        if (!isAttributeLine(line)) {
            m_visible.append(line);
            continue;
        }
        const int anchor = int(m_visible.size()) - 1;
        if (m_groups.isEmpty() || m_groups.back().anchor != anchor)
            m_groups.append({anchor, {}, memberOf(line), definitionAt(m_visible, anchor)});
        m_groups.back().lines.append(line);
    }
    // A run held back that is in the code again (an undo brought it back) is held no more.
    m_withheld.removeIf([this](const Group &w) {
        return std::any_of(m_groups.begin(), m_groups.end(),
                           [&](const Group &g) { return g.lines == w.lines; });
    });
}

QString HiddenAttributes::merge(const QString &visible)
{
    const QStringList now = visible.split(u'\n');
    const int newCount = int(now.size());
    // The edit replaced old lines [p, oldEnd) by new lines [p, newEnd).
    const LineChange change = lineChange(m_visible, now);
    const int p = change.begin, oldEnd = change.oldEnd, newEnd = change.newEnd;
    const int shift = newEnd - oldEnd;
    ModuleDefinitions defs(now);

    QList<Group> placed;
    QList<Group> withheld;
    for (Group g : std::as_const(m_groups)) {
        if (g.anchor < p) {
            placed.append(g);
            continue;
        }
        if (g.anchor >= oldEnd) {
            g.anchor += shift;
            placed.append(g);
            continue;
        }
        const int near = p + (g.anchor - p) * (newEnd - p) / (oldEnd - p);
        if (auto home = findHome(defs, g.definition, g.member, near)) {
            g.anchor = *home;
        } else if (oldEnd - p == newEnd - p) {
            // Lines edited in place: the run stays where it was.
        } else if (g.member.isEmpty()) {
            g.anchor = newEnd > p ? p + std::min(g.anchor - p, newEnd - p - 1) : p - 1;
        } else {
            withheld.append(g);
            continue;
        }
        placed.append(g);
    }
    for (Group w : std::as_const(m_withheld)) {
        const auto home = findHome(defs, w.definition, w.member, 0);
        const bool present = std::any_of(placed.begin(), placed.end(),
                                         [&](const Group &g) { return g.lines == w.lines; });
        if (present)
            continue;
        if (home) {
            w.anchor = *home;
            placed.append(w);
        } else {
            withheld.append(w);
        }
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Group &a, const Group &b) { return a.anchor < b.anchor; });

    QStringList out;
    out.reserve(newCount + placed.size());
    auto group = placed.begin();
    for (int i = -1; i < newCount; ++i) {
        if (i >= 0)
            out.append(now[i]);
        for (; group != placed.end() && group->anchor == i; ++group) {
            group->definition = definitionAt(now, i);
            out.append(group->lines);
        }
    }
    m_groups = std::move(placed);
    m_withheld = std::move(withheld);
    m_visible = now;
    return out.join(u'\n');
}

} // namespace vbhost

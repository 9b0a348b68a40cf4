#include "formregistry.h"

namespace tolvar {

void FormRegistry::define(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool FormRegistry::isDefined(const QString &name) const
{
    return m_factories.contains(name);
}

QWidget *FormRegistry::find(const QString &name) const
{
    return m_loaded.value(name);
}

QWidget *FormRegistry::load(const QString &name)
{
    if (QWidget *loaded = find(name))
        return loaded;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd())
        return nullptr;
    QWidget *window = (*factory)();
    m_loaded.insert(name, window);
    return window;
}

QWidget *FormRegistry::show(const QString &name)
{
    QWidget *window = load(name);
    if (!window)
        return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void FormRegistry::unload(const QString &name)
{
    delete m_loaded.take(name).data();
}

void FormRegistry::unloadAll()
{
    const auto names = m_loaded.keys();
    for (const QString &name : names)
        unload(name);
}

void FormRegistry::reset()
{
    unloadAll();
    m_factories.clear();
}

FormRegistry &forms()
{
    static FormRegistry registry;
    return registry;
}

} // namespace tolvar

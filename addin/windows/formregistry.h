#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace tolvar {

// Where the add-in's windows are looked up and created: each window is loaded once, by name,
// and from then on only shown and hidden. The windows are defined from outside (see
// addin/forms.h), so that the tool window knows them by name only; a window that is not defined
// is simply absent.
class FormRegistry
{
public:
    // Creates the window; its constructor is the window's load (it centres itself).
    using Factory = std::function<QWidget *()>;

    void define(const QString &name, Factory factory);
    bool isDefined(const QString &name) const;

    // The loaded window, or null.
    QWidget *find(const QString &name) const;
    // Loads the window without showing it; an already loaded one is returned as it is. Null
    // when the window is not defined. The window's load may raise automation::Error.
    QWidget *load(const QString &name);
    // Loads if needed, then shows modeless and activates.
    QWidget *show(const QString &name);
    void unload(const QString &name);

    void unloadAll();
    // Every window unloaded and every definition dropped.
    void reset();

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_loaded;
};

FormRegistry &forms();

// The add-in's windows by name. Every window the add-in can show is defined in
// defineAddInForms (addin/forms.cpp).
namespace formname {
inline const QString Splash = QStringLiteral("Splash");
inline const QString AboutBox = QStringLiteral("aboutbox");
inline const QString Files = QStringLiteral("fles");
inline const QString InputBoxWizard = QStringLiteral("INbox");
inline const QString MessageBoxWizard = QStringLiteral("MB");
inline const QString ScreenSaver = QStringLiteral("saver");
inline const QString Browser = QStringLiteral("Browser");
} // namespace formname

} // namespace tolvar

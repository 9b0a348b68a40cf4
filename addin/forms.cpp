#include "forms.h"

#include "addin/about/aboutbox.h"
#include "addin/about/splash.h"
#include "addin/browser/browser.h"
#include "addin/generators/inputboxwizard.h"
#include "addin/generators/messageboxwizard.h"
#include "addin/generators/screensaverwindow.h"
#include "addin/library/templatewindow.h"
#include "addin/toolwindow/formregistry.h"

namespace tolvar {

void defineAddInForms(FormRegistry &registry)
{
    registry.define(formname::Splash, [] { return new Splash; });
    registry.define(formname::AboutBox, [] { return new AboutBox; });
    registry.define(formname::Files, [] { return new TemplateWindow; });
    registry.define(formname::ScreenSaver, [] { return new ScreenSaverWindow; });
    registry.define(formname::MessageBoxWizard, [] { return new MessageBoxWizard; });
    registry.define(formname::InputBoxWizard, [] { return new InputBoxWizard; });
    registry.define(formname::Browser, [] { return new Browser; });
}

} // namespace tolvar

#include "forms.h"

#include "addin/about/aboutbox.h"
#include "addin/about/splash.h"
#include "addin/toolwindow/formregistry.h"

namespace tolvar {

void defineAddInForms(FormRegistry &registry)
{
    registry.define(formname::Splash, [] { return new Splash; });
    registry.define(formname::AboutBox, [] { return new AboutBox; });
}

} // namespace tolvar

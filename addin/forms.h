#pragma once

namespace tolvar {

class FormRegistry;

// Puts every window of the add-in into the registry under its name. The tool window shows them
// by name only, so a new window is wired in here and nowhere else.
void defineAddInForms(FormRegistry &registry);

} // namespace tolvar

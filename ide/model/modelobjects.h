#pragma once

#include "platform/automation/object.h"

#include <QString>

namespace vbhost {

class Workspace;

// The automation objects add-ins see: application, project, form and control templates, their
// collections, property collections and properties. Each one addresses its target through the
// workspace by id, so it follows renames and undo; once its target is gone (removed, or the
// project closed) every call raises 91.
automation::ObjectPtr makeApplicationObject(Workspace *workspace, const QString &owner);
// The template of a form (key empty) or of one of its controls.
automation::ObjectPtr makeTemplateObject(Workspace *workspace, int documentId, const QString &key);

} // namespace vbhost

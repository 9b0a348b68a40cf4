#pragma once

#include "projectfixture.h"

// The object model an add-in sees, over the small project.
class ObjectModelTest : public ProjectFixture
{
};

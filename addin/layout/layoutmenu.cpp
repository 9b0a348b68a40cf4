#include "layoutmenu.h"

#include "centreinform.h"
#include "spaceequally.h"
#include "taborderbyposition.h"

namespace tolvar {

void LayoutMenuClick(qint16 index, const StatusSink &setStatus)
{
    setStatus(QString());
    switch (index) {
    case 0:
        SpaceEqually(LayoutAxis::Horizontal, setStatus);
        break;
    case 1:
        SpaceEqually(LayoutAxis::Vertical, setStatus);
        break;
    case 2:
        CentreInForm(LayoutAxis::Horizontal, setStatus);
        break;
    case 3:
        CentreInForm(LayoutAxis::Vertical, setStatus);
        break;
    case 4:
        TabOrderByPosition(setStatus);
        break;
    default:
        break;
    }
}

} // namespace tolvar

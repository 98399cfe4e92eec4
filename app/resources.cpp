#include "resources.h"

#include <QtGlobal>

static void initResourcesOutsideNamespace()
{
    Q_INIT_RESOURCE(dimlet);
}

void initDimletResources()
{
    static bool done = false;
    if (!done) {
        initResourcesOutsideNamespace();
        done = true;
    }
}

#include "assets/assets.h"

#include <QtGlobal>

static void registerTermikaResources() {
    Q_INIT_RESOURCE(termika);
}

namespace termika {

void initAssets() {
    static const bool registered = (registerTermikaResources(), true);
    (void)registered;
}

} // namespace termika

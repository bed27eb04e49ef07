#include "platform/core/Object.h"

void TObject::Free() {
    BeforeDestruction();
    Destroy();
    delete this;
}

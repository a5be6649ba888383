#include "app/ui/DialogTemplate.h"

const DialogItem* DialogTemplate::item(int id) const {
    for (const DialogItem& candidate : *this) {
        if (candidate.id == id) return &candidate;
    }
    return nullptr;
}

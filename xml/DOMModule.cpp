#include "xml/DOMModule.h"

#include <memory>

#include "base/Library.h"

namespace ZUM {

namespace {

std::unique_ptr<DOMImplementation> implementation;
std::unique_ptr<Utf16String> emptyString;

bool domModule(bool start) {
    if (start) {
        emptyString = std::make_unique<Utf16String>();
        implementation = std::make_unique<DOMImplementation>();
    } else {
        implementation.reset();
        emptyString.reset();
    }
    return true;
}

const ModuleRegistration registration(DomSlot, domModule);

} // namespace

DOMImplementation* sharedDOMImplementation() {
    return implementation.get();
}

const Utf16String* sharedEmptyString() {
    return emptyString.get();
}

} // namespace ZUM

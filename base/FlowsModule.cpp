#include "base/FlowsModule.h"

#include "base/Library.h"

namespace ZUM {

namespace {

NullOFlow* nullFlow = nullptr;
TextWriter<char>* writer8 = nullptr;
TextWriter<u16>* writer16 = nullptr;
TextWriter<u32>* writer32 = nullptr;

template <typename W>
void release(W*& object) {
    delete object;
    object = nullptr;
}

bool flowsModule(bool start) {
    if (start) {
        nullFlow = new NullOFlow();
        writer8 = new TextWriter<char>(nullFlow);
        writer16 = new TextWriter<u16>(nullFlow);
        writer32 = new TextWriter<u32>(nullFlow);
    } else {
        release(writer8);
        release(writer16);
        release(writer32);
        release(nullFlow);
    }
    return true;
}

const ModuleRegistration registration(FlowsSlot, flowsModule);

} // namespace

NullOFlow* sharedNullOFlow() {
    return nullFlow;
}

TextWriter<char>* sharedTextWriter8() {
    return writer8;
}

TextWriter<u16>* sharedTextWriter16() {
    return writer16;
}

TextWriter<u32>* sharedTextWriter32() {
    return writer32;
}

} // namespace ZUM

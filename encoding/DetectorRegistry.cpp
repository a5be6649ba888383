#include "encoding/DetectorRegistry.h"

#include "encoding/HtmlDetector.h"
#include "encoding/JaDetector.h"
#include "encoding/XmlDetector.h"

namespace ZUM {

namespace {

template <typename D>
Detector* make() {
    return new D();
}

struct DetectorRow {
    int id;
    Detector* (*factory)();
};

constexpr DetectorRow detectors[] = {
    {JaDetectorId, make<JaDetector>},
    {XmlDetectorId, make<XmlDetector>},
    {HtmlDetectorId, make<HtmlDetector>},
    {0, nullptr},
};

} // namespace

Detector* createDetector(int id) {
    for (const DetectorRow* row = detectors; row->id != 0; ++row) {
        if (row->id == id) return row->factory();
    }
    return nullptr;
}

} // namespace ZUM

#pragma once

#include <memory>

#include "xml/NamedNode.h"

namespace ZUM {

// The base of the kinds that may name an external resource by public and
// system identifier. Both are owned and null while absent.
class External : public NamedNode {
public:
    Utf16String* getPublicId() const { return publicId.get(); }
    Utf16String* getSystemId() const { return systemId.get(); }
    // Replaces (and deletes) the previous identifier.
    void setPublicId(const Utf16String& id) { publicId = std::make_unique<Utf16String>(id); }
    void setSystemId(const Utf16String& id) { systemId = std::make_unique<Utf16String>(id); }

protected:
    using NamedNode::NamedNode;

    // copyNamed, and the identifiers too.
    template <class Kind>
    std::unique_ptr<Kind> copyWithIds() const {
        std::unique_ptr<Kind> copy = copyNamed<Kind>();
        if (publicId) copy->setPublicId(*publicId);
        if (systemId) copy->setSystemId(*systemId);
        return copy;
    }
    // "PUBLIC" "pub" "sys", or "SYSTEM" "sys"; a missing system identifier
    // after a public one is left out. Answers whether anything was written.
    bool writeExternalId(XMLOutputter& out) const;
    static void writeQuoted(XMLOutputter& out, const Utf16String& text);

    const Utf16String* presentValue() const override { return &nodeValue; }
    Utf16String nodeValue{Utf16String::NoBuffer};
    std::unique_ptr<Utf16String> publicId;
    std::unique_ptr<Utf16String> systemId;
};

} // namespace ZUM

#pragma once

#include "xml/NamedNode.h"

namespace ZUM {

// The target is the node name, the data the node value.
class ProcessingInstruction : public NamedNode {
public:
    explicit ProcessingInstruction(Document* ownerDocument)
        : NamedNode(ownerDocument, ProcessingInstructionNode) {}

    Node* cloneNode(bool deep) override;
    // <?target data?>, without the space when the data is empty.
    void output(XMLOutputter& out) override;

protected:
    const Utf16String* presentValue() const override { return &nodeValue; }
    Utf16String nodeValue{Utf16String::NoBuffer};
};

} // namespace ZUM

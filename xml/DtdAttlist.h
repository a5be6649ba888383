#pragma once

#include <cstdint>
#include <memory>

#include "base/LinkList.h"
#include "xml/NamedNode.h"

namespace ZUM {

// One attribute definition of an attribute-list declaration, a child of the
// element declaration it belongs to; the definitions that open and close
// their declaration are marked.
class DtdAttlist : public NamedNode {
public:
    enum AttributeType : std::int32_t {
        NoType = 0,
        CData = 1,
        Id = 2,
        IdRef = 3,
        IdRefs = 4,
        NmToken = 5,
        NmTokens = 6,
        EntityType = 7,
        Entities = 8,
        NotationType = 9,
        Enumeration = 10,
    };
    enum DefaultKind : std::int32_t {
        NoDefault = 0,
        Required = 1,
        Implied = 2,
        Fixed = 3,
        Value = 4
    };

    explicit DtdAttlist(Document* ownerDocument) : NamedNode(ownerDocument, DtdAttlistNode) {}
    ~DtdAttlist() override;

    // There is no copy: null.
    Node* cloneNode(bool deep) override;
    // [<!ATTLIST element] name type default[ >]
    void output(XMLOutputter& out) override;

    std::int32_t getAttributeType() const { return attributeType; }
    void setAttributeType(std::int32_t type) { attributeType = type; }
    std::int32_t getDefaultKind() const { return defaultKind; }
    void setDefaultKind(std::int32_t kind) { defaultKind = kind; }
    // Null when there is none.
    Utf16String* getDefaultValue() const { return defaultValue.get(); }
    void setDefaultValue(const Utf16String& value) {
        defaultValue = std::make_unique<Utf16String>(value);
    }
    // The values of a NOTATION or enumerated type in declaration order; null
    // until the first arrives.
    LinkList<Utf16String>* getEnumeration() const { return enumeration; }
    void addEnumerationValue(const Utf16String& value);
    bool isFirst() const { return first; }
    void setFirst(bool set) { first = set; }
    bool isLast() const { return last; }
    void setLast(bool set) { last = set; }

private:
    void writeType(XMLOutputter& out) const;
    void writeValueList(XMLOutputter& out) const;
    void writeDefault(XMLOutputter& out) const;

    std::int32_t attributeType = NoType;
    std::int32_t defaultKind = NoDefault;
    std::unique_ptr<Utf16String> defaultValue;
    LinkList<Utf16String>* enumeration = nullptr; // owned with its strings
    bool first = false;
    bool last = false;
};

} // namespace ZUM

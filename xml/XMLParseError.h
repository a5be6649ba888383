#pragma once

#include <cstdint>

namespace ZUM {

// The parser's failure: a constant English message and the number of the check
// that failed. Several numbers share one message, so callers test the number.
class XMLParseError {
public:
    const char* message;
    std::int32_t number;

    // The error of a catalogued number with its fixed message.
    static XMLParseError numbered(std::int32_t number);

    // Every catalogued number; the gaps (160 to 166, 172) have no error.
    static constexpr std::int32_t FirstNumber = 101;
    static constexpr std::int32_t LastNumber = 180;
    static bool isCatalogued(std::int32_t number);
};

// The numbers of the parser's checks.
enum XMLErrorNumber : std::int32_t {
    ErrNameStart = 101,
    ErrNmtoken = 102,
    ErrHexCharRef = 103,
    ErrDecimalCharRef = 104,
    ErrCharRefEnd = 105,
    ErrEntityRefEnd = 106,
    ErrLessThanInDoubleQuoted = 107,
    ErrLessThanInSingleQuoted = 108,
    ErrAttValueQuote = 109,
    ErrPEReferenceEnd = 110,
    ErrEntityValueQuote = 111,
    ErrTopElement = 112,
    ErrVersionMissing = 113,
    ErrXmlDeclEnd = 114,
    ErrVersionApostrophe = 115,
    ErrVersionQuote = 116,
    ErrVersionSyntax = 117,
    ErrVersionEndOfInput = 118,
    ErrVersionNumber = 119,
    ErrEquals = 120,
    ErrSpace = 121,
    ErrEncodingApostrophe = 122,
    ErrEncodingQuote = 123,
    ErrEncodingSyntax = 124,
    ErrEncodingEndOfInput = 125,
    ErrEncodingName = 126,
    ErrStandaloneAfterApostrophe = 127,
    ErrStandaloneApostrophe = 128,
    ErrStandaloneAfterQuote = 129,
    ErrStandaloneQuote = 130,
    ErrStandaloneSyntax = 131,
    ErrCommentEnd = 132,
    ErrPIEnd = 133,
    ErrSubsetEnd = 134,
    ErrDoctypeEnd = 135,
    ErrSystemLiteralQuote = 136,
    ErrSystemLiteralApostrophe = 137,
    ErrSystemLiteral = 138,
    ErrPubidAfterQuote = 139,
    ErrPubidQuote = 140,
    ErrPubidAfterApostrophe = 141,
    ErrPubidApostrophe = 142,
    ErrPubidLiteral = 143,
    ErrMixedClose = 144,
    ErrMixedCloseStar = 145,
    ErrPCDataClose = 146,
    ErrGroupClose = 147,
    ErrElementDeclEnd = 148,
    ErrParticleClose = 149,
    ErrAttlistElement = 150,
    ErrNotationTypeOpen = 151,
    ErrNotationTypeClose = 152,
    ErrEnumerationClose = 153,
    ErrEntityDeclEnd = 154,
    ErrNotationSyntax = 155,
    ErrNotationDeclEnd = 156,
    ErrDuplicateAttribute = 157,
    ErrEndTagClose = 158,
    ErrCDataEnd = 159,
    ErrEntityUndefined = 167,
    ErrParameterEntityUndefined = 168,
    ErrElementPrefix = 169,
    ErrEmptyElementPrefix = 170,
    ErrEndOfSource = 171,
    ErrAttributePrefix = 173,
    // Checks of our own beyond the well-formedness steps.
    ErrAttValueEndOfInput = 174,
    ErrEntityValueEndOfInput = 175,
    ErrRecursiveEntity = 176,
    ErrExpansionLimit = 177,
    ErrDepthLimit = 178,
    ErrCharRefRange = 179,
    ErrCharRefMarker = 180,
};

} // namespace ZUM

#include "xml/XMLParseError.h"

#include <iterator>

namespace ZUM {

namespace {

const char* const NameStart = "can't get NameTop.";
const char* const CharRef = "CharRef syntax error";
const char* const LessThan = "can't put '<' in the AttValue.";
const char* const AttValueStart = "can't find attvalue starting ' or \"";
const char* const Apostrophe = "can't find \"'\".";
const char* const Quote = "can't find '\"'.";
const char* const EndOfInput = "unexpected end of input.";
const char* const StandaloneValue = "standalone should be 'yes' or 'no'.";
const char* const CloseBrace = "can't find close brace.";
const char* const DeclarationEnd = "can't find a close '>' of entity definition.";
const char* const UndefinedPrefix = "undefined namespace prefix is used.";

// Indexed by number - FirstNumber; null where no error has the number.
const char* const messages[] = {
    NameStart,                                                       // 101
    "can't get Nmtoken.",                                            // 102
    CharRef,                                                         // 103
    CharRef,                                                         // 104
    "can't find the CharRef end semicolon.",                         // 105
    "can't find the EntityRef end semicolon.",                       // 106
    LessThan,                                                        // 107
    LessThan,                                                        // 108
    AttValueStart,                                                   // 109
    "can't find PEReference end ';'.",                               // 110
    AttValueStart,                                                   // 111
    "can't find the top element.",                                   // 112
    "can't find 'version' between '<?xml' and '?>'.",                // 113
    "can't find '?>'.",                                              // 114
    Apostrophe,                                                      // 115
    Quote,                                                           // 116
    "version number specification syntax error.",                    // 117
    EndOfInput,                                                      // 118
    "can't find version number string.",                             // 119
    "can't find '='.",                                               // 120
    "can't find space.",                                             // 121
    Apostrophe,                                                      // 122
    Quote,                                                           // 123
    "encoding specification syntax error.",                          // 124
    EndOfInput,                                                      // 125
    "can't find encoding string.",                                   // 126
    StandaloneValue,                                                 // 127
    Apostrophe,                                                      // 128
    StandaloneValue,                                                 // 129
    Quote,                                                           // 130
    "standalone specification syntax error.",                        // 131
    "can't find comment end.",                                       // 132
    "can't find the end of PI.",                                     // 133
    "can't find ]",                                                  // 134
    "can't find '>' of the DOCTYPE end.",                            // 135
    "can't find system literal colose \"",                           // 136
    "can't find system literal colose '",                            // 137
    "can't find system literal",                                     // 138
    "can't find pubid literal after \".",                            // 139
    "can't find publid literal close \"",                            // 140
    "can't find pubid literal after '.",                             // 141
    "can't find publid literal colose '",                            // 142
    "can't find pubid literal",                                      // 143
    "ELEMENT definition syntax error. can't find close brace ')'.",  // 144
    "ELEMENT definition syntax error. can't find close brace ')*'.", // 145
    "ELEMENT definition syntax error.",                              // 146
    CloseBrace,                                                      // 147
    "can't find element definition close '>'.",                      // 148
    CloseBrace,                                                      // 149
    "Corresponding ELEMENT isn't defined.",                          // 150
    "can't find '(' in the notation definition",                     // 151
    "can't find ')' in the NotationType definition",                 // 152
    "can't find ')' in the Enumeration definition",                  // 153
    DeclarationEnd,                                                  // 154
    "notation definition syntax error.",                             // 155
    DeclarationEnd,                                                  // 156
    "attribute is duplicated.",                                      // 157
    "can't find end tag close '>'.",                                 // 158
    "can't find CDSect end ']]>'.",                                  // 159
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,                                       // 160 to 166
    "can't find Entity definition.",               // 167
    "can't find Parameter Entity definition.",     // 168
    UndefinedPrefix,                               // 169
    UndefinedPrefix,                               // 170
    "invalid end of source.",                      // 171
    nullptr,                                       // 172
    UndefinedPrefix,                               // 173
    "unexpected end of input in the AttValue.",    // 174
    "unexpected end of input in the EntityValue.", // 175
    "recursive entity reference.",                 // 176
    "entity expansion exceeds the limit.",         // 177
    "nesting exceeds the depth limit.",            // 178
    "character reference out of range.",           // 179
    "character reference to a marker unit.",       // 180
};

static_assert(std::size(messages) == XMLParseError::LastNumber - XMLParseError::FirstNumber + 1);

} // namespace

bool XMLParseError::isCatalogued(std::int32_t number) {
    return number >= FirstNumber && number <= LastNumber && messages[number - FirstNumber];
}

XMLParseError XMLParseError::numbered(std::int32_t number) {
    return {isCatalogued(number) ? messages[number - FirstNumber] : "unknown error.", number};
}

} // namespace ZUM

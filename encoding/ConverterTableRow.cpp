#include "encoding/ConverterTableRow.h"

#include "encoding/FromCp1252ToUcs2.h"
#include "encoding/FromEucJpToSjis.h"
#include "encoding/FromSjisToEucJp.h"
#include "encoding/FromUcs2ToEucJp.h"
#include "encoding/FromUcs2ToUtf7.h"
#include "encoding/FromUtf7ToUcs2.h"
#include "encoding/Iso2022JpDecoder.h"
#include "encoding/Iso2022JpEncoder.h"
#include "encoding/Iso8859Decoder.h"
#include "encoding/JisDecoder.h"
#include "encoding/MarkDirectedReader.h"
#include "encoding/MarkEmitter.h"
#include "encoding/MarkRemover.h"
#include "encoding/SurrogateCombiner.h"
#include "encoding/SurrogateSplitter.h"
#include "encoding/SwappingConverter.h"
#include "encoding/TableEncoder.h"
#include "encoding/UnitRangeConverter.h"
#include "encoding/Utf8Decoder.h"
#include "encoding/Utf8Encoder.h"

namespace ZUM {

namespace {

template <class C>
IFilter* make() {
    return new C;
}

} // namespace

const ConverterTableRow converterTable[ConverterCount] = {
    {1, 2, false, make<FromUsAsciiToUcs2>},         // 0
    {1, 4, false, make<FromUsAsciiToUcs4>},         // 1
    {4, 1, true, make<FromUcs4ToUsAscii>},          // 2
    {2, 4, false, make<FromUcs2ToUcs4>},            // 3
    {4, 2, true, make<FromUcs4ToUcs2>},             // 4
    {2, 3, false, make<FromUcs2ToUcs2Be>},          // 5
    {4, 5, false, make<FromUcs4ToUcs4Be>},          // 6
    {3, 2, false, make<FromUcs2BeToUcs2>},          // 7
    {5, 4, false, make<FromUcs4BeToUcs4>},          // 8
    {2, 6, false, make<FromUcs2ToUtf7>},            // 9
    {6, 2, false, make<FromUtf7ToUcs2>},            // 10
    {8, 2, true, make<FromUtf8NToUcs2>},            // 11
    {2, 8, false, make<FromUcs2ToUtf8N>},           // 12
    {7, 8, false, make<FromUtf8ToUtf8N>},           // 13
    {8, 7, false, make<FromUtf8NToUtf8>},           // 14
    {10, 4, false, make<FromUtf16NToUcs4>},         // 15
    {4, 10, true, make<FromUcs4ToUtf16N>},          // 16
    {10, 13, false, make<FromUtf16NToUtf16Be>},     // 17
    {10, 14, false, make<FromUtf16NToUtf16Le>},     // 18
    {13, 10, false, make<FromUtf16BeToUtf16N>},     // 19
    {14, 10, false, make<FromUtf16LeToUtf16N>},     // 20
    {10, 7, false, make<FromUtf16NToUtf8>},         // 21
    {10, 8, false, make<FromUtf16NToUtf8N>},        // 22
    {7, 10, false, make<FromUtf8ToUtf16N>},         // 23
    {2, 10, false, make<FromUcs2ToUtf16N>},         // 24
    {10, 9, false, make<FromUtf16NToUtf16>},        // 25
    {9, 10, false, make<FromUtf16ToUtf16N>},        // 26
    {13, 15, false, make<FromUtf16BeToUtf16BeBom>}, // 27
    {14, 16, false, make<FromUtf16LeToUtf16LeBom>}, // 28
    {15, 13, false, make<FromUtf16BeBomToUtf16Be>}, // 29
    {16, 14, false, make<FromUtf16LeBomToUtf16Le>}, // 30
    {12, 4, false, make<FromUtf32NToUcs4>},         // 31
    {12, 10, false, make<FromUtf32NToUtf16N>},      // 32
    {10, 12, false, make<FromUtf16NToUtf32N>},      // 33
    {4, 12, true, make<FromUcs4ToUtf32N>},          // 34
    {12, 17, false, make<FromUtf32NToUtf32Be>},     // 35
    {12, 18, false, make<FromUtf32NToUtf32Le>},     // 36
    {17, 12, false, make<FromUtf32BeToUtf32N>},     // 37
    {18, 12, false, make<FromUtf32LeToUtf32N>},     // 38
    {12, 11, false, make<FromUtf32NToUtf32>},       // 39
    {11, 12, false, make<FromUtf32ToUtf32N>},       // 40
    {17, 19, false, make<FromUtf32BeToUtf32BeBom>}, // 41
    {18, 20, false, make<FromUtf32LeToUtf32LeBom>}, // 42
    {19, 17, false, make<FromUtf32BeBomToUtf32Be>}, // 43
    {20, 18, false, make<FromUtf32LeBomToUtf32Le>}, // 44
    {22, 23, true, make<FromEucJpToSjis>},          // 45
    {23, 22, false, make<FromSjisToEucJp>},         // 46
    {21, 23, false, make<FromIso2022JpToSjis>},     // 47
    {22, 21, true, make<FromEucJpToIso2022Jp>},     // 48
    {23, 21, true, make<FromSjisToIso2022Jp>},      // 49
    {21, 22, false, make<FromIso2022JpToEucJp>},    // 50
    {2, 23, true, make<FromUcs2ToSjis>},            // 51
    {2, 22, true, make<FromUcs2ToEucJp>},           // 52
    {2, 21, true, make<FromUcs2ToIso2022Jp>},       // 53
    {23, 2, false, make<FromSjisToUcs2>},           // 54
    {37, 2, false, make<FromCp932ToUcs2>},          // 55
    {2, 37, true, make<FromUcs2ToCp932>},           // 56
    {24, 2, false, make<From8859_1ToUcs2>},         // 57
    {25, 2, false, make<From8859_2ToUcs2>},         // 58
    {26, 2, false, make<From8859_3ToUcs2>},         // 59
    {27, 2, false, make<From8859_4ToUcs2>},         // 60
    {28, 2, false, make<From8859_5ToUcs2>},         // 61
    {29, 2, false, make<From8859_6ToUcs2>},         // 62
    {30, 2, false, make<From8859_7ToUcs2>},         // 63
    {31, 2, false, make<From8859_8ToUcs2>},         // 64
    {32, 2, false, make<From8859_9ToUcs2>},         // 65
    {33, 2, false, make<From8859_10ToUcs2>},        // 66
    {34, 2, false, make<From8859_13ToUcs2>},        // 67
    {35, 2, false, make<From8859_14ToUcs2>},        // 68
    {36, 2, false, make<From8859_15ToUcs2>},        // 69
    {24, 1, true, make<From8859_xToUsAscii>},       // 70
    {25, 1, true, make<From8859_xToUsAscii>},       // 71
    {26, 1, true, make<From8859_xToUsAscii>},       // 72
    {27, 1, true, make<From8859_xToUsAscii>},       // 73
    {28, 1, true, make<From8859_xToUsAscii>},       // 74
    {29, 1, true, make<From8859_xToUsAscii>},       // 75
    {30, 1, true, make<From8859_xToUsAscii>},       // 76
    {31, 1, true, make<From8859_xToUsAscii>},       // 77
    {32, 1, true, make<From8859_xToUsAscii>},       // 78
    {33, 1, true, make<From8859_xToUsAscii>},       // 79
    {34, 1, true, make<From8859_xToUsAscii>},       // 80
    {35, 1, true, make<From8859_xToUsAscii>},       // 81
    {36, 1, true, make<From8859_xToUsAscii>},       // 82
    {1, 24, false, make<FromUsAsciiTo8859_x>},      // 83
    {1, 25, false, make<FromUsAsciiTo8859_x>},      // 84
    {1, 26, false, make<FromUsAsciiTo8859_x>},      // 85
    {1, 27, false, make<FromUsAsciiTo8859_x>},      // 86
    {1, 28, false, make<FromUsAsciiTo8859_x>},      // 87
    {1, 29, false, make<FromUsAsciiTo8859_x>},      // 88
    {1, 30, false, make<FromUsAsciiTo8859_x>},      // 89
    {1, 31, false, make<FromUsAsciiTo8859_x>},      // 90
    {1, 32, false, make<FromUsAsciiTo8859_x>},      // 91
    {1, 33, false, make<FromUsAsciiTo8859_x>},      // 92
    {1, 34, false, make<FromUsAsciiTo8859_x>},      // 93
    {1, 35, false, make<FromUsAsciiTo8859_x>},      // 94
    {1, 36, false, make<FromUsAsciiTo8859_x>},      // 95
    {2, 24, true, make<FromUcs2To8859_1>},          // 96
    {2, 25, true, make<FromUcs2To8859_1>},          // 97
    {2, 26, true, make<FromUcs2To8859_1>},          // 98
    {2, 27, true, make<FromUcs2To8859_1>},          // 99
    {2, 28, true, make<FromUcs2To8859_1>},          // 100
    {2, 29, true, make<FromUcs2To8859_1>},          // 101
    {2, 30, true, make<FromUcs2To8859_1>},          // 102
    {2, 31, true, make<FromUcs2To8859_1>},          // 103
    {2, 32, true, make<FromUcs2To8859_1>},          // 104
    {2, 33, true, make<FromUcs2To8859_1>},          // 105
    {2, 34, true, make<FromUcs2To8859_1>},          // 106
    {2, 35, true, make<FromUcs2To8859_1>},          // 107
    {2, 36, true, make<FromUcs2To8859_1>},          // 108
    {38, 37, true, make<FromEucJpMsToCp932>},       // 109
    {37, 38, true, make<FromCp932ToEucJpMs>},       // 110
    {39, 2, false, make<FromCp1252ToUcs2>},         // 111
    {2, 39, true, make<FromUcs2ToCp1252>},          // 112
};

} // namespace ZUM

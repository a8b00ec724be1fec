#include "store/text_codec.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(Windows1252Codec, ConvertsBothWays) {
    struct Case {
        const char* name;
        std::u16string text;
        std::string ansi;
    };
    const Case cases[] = {
        {"ascii", u"212 208 200", "212 208 200"},
        {"latin-1 range", u"Caf\u00e9 \u00ff\u00a0", "Caf\xe9 \xff\xa0"},
        {"euro and quotes", u"\u20ac\u201c\u201d\u0178", "\x80\x93\x94\x9f"},
        {"undefined bytes keep their C1 code", u"\u0081\u008d\u008f\u0090\u009d",
         "\x81\x8d\x8f\x90\x9d"},
        {"embedded NUL", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
        {"empty", u"", ""},
    };
    const Windows1252Codec codec;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codec.ToAnsi(c.text), c.ansi);
        EXPECT_EQ(codec.FromAnsi(c.ansi), c.text);
    }
}

TEST(Windows1252Codec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const Windows1252Codec codec;
    EXPECT_EQ(codec.ToAnsi(u"\u4e2d\u0100x"), "??x");
    // A surrogate pair is one character; a lone surrogate is one too.
    EXPECT_EQ(codec.ToAnsi(u"\U0001F600|\xD800"), "?|?");
}

TEST(Windows1252Codec, EveryByteRoundTrips) {
    const Windows1252Codec codec;
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(all)), all);
}

}  // namespace
}  // namespace quill

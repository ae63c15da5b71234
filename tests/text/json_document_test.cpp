#include "text/json_document.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace velluno {
namespace {

// GBK text of the Chinese words used below.
constexpr std::string_view kGbkChinese = "\xD6\xD0\xCE\xC4"; // 中文
constexpr std::string_view kGbkName = "\xC3\xFB\xD7\xD6";    // 名字
constexpr std::string_view kGbkNote = "\x94\x39\xC1\x39";    // U+1F3B5, GB18030 only

JsonDocument parsed(std::string_view text) {
    JsonDocument document;
    EXPECT_TRUE(document.parse(text)) << text;
    return document;
}

std::string nested_arrays(int depth) {
    return std::string(static_cast<size_t>(depth), '[') +
           std::string(static_cast<size_t>(depth), ']');
}

TEST(JsonDocument, NewDocumentHoldsAnEmptyObject) {
    JsonDocument document;
    EXPECT_EQ(document.to_text(), "{}");
    EXPECT_EQ(document.type_of(), kJsonObject);
    EXPECT_EQ(document.get_member_count(), 0);
}

struct ParseCase {
    std::string_view text;
    bool result;
    std::string_view value_text; // to_text afterwards
};

TEST(JsonDocument, ParseAcceptsStandardJsonOnly) {
    const std::vector<ParseCase> cases = {
        {"{\"a\":1,\"b\":[true,null]}", true, "{\"a\":1,\"b\":[true,null]}"},
        {" \r\n[1, 2 ]\t", true, "[1,2]"},
        {"\"text\"", true, "\"text\""},
        {"0", true, "0"},
        {"false", true, "false"},
        {"{\"a\":1,\"b\":2,\"a\":3}", true, "{\"a\":3,\"b\":2}"},
        // Blank text leaves no value at all; everything else that fails leaves null.
        {"", false, ""},
        {"  \r\n", false, ""},
        {"null", false, "null"},
        {"{\"a\":}", false, "null"},
        {"{\"a\":1} x", false, "null"},
        {"{\"a\":1}{}", false, "null"},
        {"{'a':1}", false, "null"},
        {"{a:1}", false, "null"},
        {"[1,]", false, "null"},
        {"[1", false, "null"},
        {"1e400", false, "null"},
        {"\"\\ud800\"", false, "null"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        JsonDocument document;
        document.set_property("a", "before");
        EXPECT_EQ(document.parse(c.text), c.result);
        EXPECT_EQ(document.to_text(), c.value_text);
        if (!c.result) {
            EXPECT_EQ(document.get_property("a"), "");
            EXPECT_EQ(document.get_member_count("data.ugclist"), 0);
            EXPECT_EQ(document.type_of(), kJsonNullOrMissing);
        }
    }
}

TEST(JsonDocument, ParseRefusesHostileNestingWithoutExhaustingTheStack) {
    const std::string deep = nested_arrays(100000);
    for (const std::string& text : {deep, deep.substr(0, 100000), "{\"a\":" + deep + "}"}) {
        JsonDocument document;
        EXPECT_FALSE(document.parse(text));
        EXPECT_EQ(document.to_text(), "null");
    }
    JsonDocument document;
    document.set_value(deep, true);
    document.add_member(deep, "", true);
    document.set_property("a", deep, true);
    EXPECT_EQ(document.to_text(), "{}");

    // Depth that real data might have is fine, and brackets inside strings do not count.
    const std::string moderate = nested_arrays(200);
    EXPECT_EQ(parsed(moderate).to_text(), moderate);
    const std::string quoted = "[\"" + deep + "\"]";
    EXPECT_EQ(parsed(quoted).get_member(0), deep);
    const std::string after_escaped_quote = "[\"\\\"" + deep + "\"]";
    EXPECT_EQ(parsed(after_escaped_quote).get_member(0), "\"" + deep);
}

// Keeping member order costs each new member a look at the ones before it, so
// one huge object is refused instead of freezing the program.
TEST(JsonDocument, ParseRefusesObjectsWithHugeNumbersOfMembers) {
    const auto object_of = [](int members, const char* wrap_start, const char* wrap_end) {
        std::string text = wrap_start;
        text += "{";
        for (int i = 0; i < members; ++i) {
            text += (i == 0 ? "\"m" : ",\"m") + std::to_string(i) + "\":" + std::to_string(i);
        }
        return text + "}" + wrap_end;
    };
    JsonDocument document;
    EXPECT_TRUE(document.parse(object_of(4096, "", "")));
    EXPECT_EQ(document.get_member_count(), 4096);
    EXPECT_EQ(document.get_property("m4095"), "4095");
    for (const std::string& text : {object_of(4097, "", ""), object_of(200000, "[1,", "]"),
                                    object_of(5000, "{\"data\":", "}")}) {
        EXPECT_FALSE(document.parse(text));
        EXPECT_EQ(document.to_text(), "null");
    }
    // Many small objects are no trouble.
    std::string list = "[";
    for (int i = 0; i < 20000; ++i) {
        list += (i == 0 ? "" : ",") + object_of(3, "", "");
    }
    EXPECT_TRUE(document.parse(list + "]"));
    EXPECT_EQ(document.get_member_count(), 20000);
}

TEST(JsonDocument, WritesAValueNoDeeperThanItCanRead) {
    // 400 objects deep, reached by the path "a.a...a" of 399 steps.
    std::string text;
    std::string path = "a";
    for (int i = 0; i < 399; ++i) {
        text += "{\"a\":";
        path += i == 0 ? "" : ".a";
    }
    text += "{}" + std::string(399, '}');
    JsonDocument document = parsed(text);
    EXPECT_EQ(document.type_of(path), kJsonObject);

    document.set_property(path, nested_arrays(400), true);
    EXPECT_EQ(document.get_property_json(path), "{}");
    document.add_member(nested_arrays(400), path, true);
    EXPECT_EQ(document.get_property_json(path), "{}");

    document.set_property(path, nested_arrays(3), true);
    EXPECT_EQ(document.get_property_json(path), "[[[]]]");
    EXPECT_EQ(document.to_text().size(), text.size() + 4);
}

struct NumberCase {
    std::string_view json;
    std::string_view text;
};

TEST(JsonDocument, WritesNumbersAsJavaScriptPrintsThem) {
    const std::vector<NumberCase> cases = {
        {"1.0", "1"},
        {"0.1", "0.1"},
        {"-1.5", "-1.5"},
        {"123e-2", "1.23"},
        {"1E2", "100"},
        {"-0", "0"},
        {"-0.0", "0"},
        {"0.000001", "0.000001"},
        {"1.5e-7", "1.5e-7"},
        {"1e-7", "1e-7"},
        {"1e20", "100000000000000000000"},
        {"1.2345678901234568e20", "123456789012345680000"},
        {"1e21", "1e+21"},
        {"1.5e300", "1.5e+300"},
        {"5e-324", "5e-324"},
        {"0.30000000000000004", "0.30000000000000004"},
        // Integers in the text stay exact, also beyond what a double holds.
        {"12345678901234567890", "12345678901234567890"},
        {"-9223372036854775808", "-9223372036854775808"},
        {"9007199254740993", "9007199254740993"},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.json);
        const JsonDocument document = parsed("{\"n\":[" + std::string(c.json) + "]}");
        EXPECT_EQ(document.get_property("n[0]"), c.text);
        EXPECT_EQ(document.get_member(0, "n", true), c.text);
        EXPECT_EQ(document.to_text(), "{\"n\":[" + std::string(c.text) + "]}");
        EXPECT_EQ(document.type_of("n[0]"), kJsonNumber);
    }
}

TEST(JsonDocument, StoresAndReadsNumbers) {
    JsonDocument document;
    document.set_property_number("three", 3.0);
    document.set_property_number("sum", 0.1 + 0.2);
    document.set_property_number("big", 1e21);
    document.set_property_number("zero", -0.0);
    document.set_property_number("nan", std::numeric_limits<double>::quiet_NaN());
    document.set_property_number("infinite", std::numeric_limits<double>::infinity());
    document.set_property_number("missing.x", 1);
    EXPECT_EQ(document.to_text(),
              "{\"three\":3,\"sum\":0.30000000000000004,\"big\":1e+21,\"zero\":0}");
    EXPECT_EQ(document.get_number("sum"), 0.1 + 0.2);
    EXPECT_EQ(document.get_number("nan"), 0);

    const JsonDocument answer = parsed("{\"n\":-7,\"u\":18446744073709551615,\"s\":\"12\"}");
    EXPECT_EQ(answer.get_number("n"), -7);
    EXPECT_EQ(answer.get_number("u"), 18446744073709551615.0);
    EXPECT_EQ(answer.get_number("s"), 0);
    EXPECT_EQ(answer.get_number("x.y"), 0);
}

struct EscapeCase {
    std::string_view json;
    std::string_view written;
};

TEST(JsonDocument, EscapesStringsAsJsonStringifyDoes) {
    const std::vector<EscapeCase> cases = {
        {R"("a\"b\\c")", R"("a\"b\\c")"},
        {R"("\b\f\n\r\t\u0001")", R"("\b\f\n\r\t\u0001")"},
        {R"("\/")", R"("/")"},
        // Invisible and line-breaking characters stay escaped.
        {R"("\u007f\u00ad\u200c\u2028\ufeff\uffff")", R"("\u007f\u00ad\u200c\u2028\ufeff\uffff")"},
        {R"("\u4e2d\u6587")", "\"\xD6\xD0\xCE\xC4\""},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(parsed(c.json).to_text(), c.written);
    }
}

TEST(JsonDocument, KeepsLocalTextThroughARoundTrip) {
    JsonDocument document;
    const std::string text = std::string(kGbkChinese) + std::string(kGbkNote) + "'\\";
    document.set_property(kGbkName, text);
    EXPECT_EQ(document.get_property(kGbkName), text);
    EXPECT_EQ(document.to_text(), "{\"" + std::string(kGbkName) + "\":\"" +
                                      std::string(kGbkChinese) + std::string(kGbkNote) +
                                      "'\\\\\"}");
    JsonDocument copy;
    copy.parse(document.to_text());
    EXPECT_EQ(copy.get_property(kGbkName), text);
    std::vector<Text> names;
    copy.member_names(names);
    EXPECT_EQ(names, std::vector<Text>{Text(kGbkName)});
}

// One answer for the reading tests: every kind of member and step.
constexpr std::string_view kAnswer = R"({"data":{"ugclist":[{"title":"t0","shareid":"s0"},)"
                                     R"({"title":"t1","n":5}],"none":null,"s":"str","flag":true,)"
                                     R"("obj":{"3":"three","a-b":1}},"arr":[[1,2],[3]]})";

struct ReadCase {
    std::string_view path;
    std::string_view plain;
    std::string_view json;
    bool present; // there and not null
};

TEST(JsonDocument, GetPropertyFollowsMemberAndIndexSteps) {
    const std::vector<ReadCase> cases = {
        {"data.ugclist[0].title", "t0", "\"t0\"", true},
        {"data.ugclist[1].n", "5", "5", true},
        {"data.obj[3]", "three", "\"three\"", true},
        {"arr[1][0]", "3", "3", true},
        {"arr[0]", "", "[1,2]", true},
        {"data.ugclist[1]", "", "{\"title\":\"t1\",\"n\":5}", true},
        {"data.s", "str", "\"str\"", true},
        {"data.flag", "true", "true", true},
        {"data.none", "", "null", false},
        {"data.missing", "", "", false},
        {"data.ugclist[1].shareid", "", "", false},
        {"data.ugclist[2].title", "", "", false},
        {"data.missing.x", "", "", false},
        {"data.s.length", "", "", false},
        {"data.s[0]", "", "", false},
        // Text that is not a member path reads nothing.
        {"", "", "", false},
        {"data.ugclist[-1].title", "", "", false},
        {"data.ugclist[x].title", "", "", false},
        {"data.ugclist[01].title", "", "", false},
        {"data.ugclist[ 0].title", "", "", false},
        {"data.ugclist[99999999999999999999].title", "", "", false},
        {"data['s']", "", "", false},
        {"data.obj.a-b", "", "", false},
        {"data..s", "", "", false},
        {"data.", "", "", false},
        {".data", "", "", false},
        {"data.s;x", "", "", false},
        {"1data", "", "", false},
    };
    const JsonDocument document = parsed(kAnswer);
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(document.get_property(c.path), c.plain);
        EXPECT_EQ(document.get_property(c.path, true), c.json);
        if (!c.path.empty() && c.path[0] != '[') {
            EXPECT_EQ(document.get_property_json(c.path), c.json);
        }
        EXPECT_EQ(document.has_property(c.path), c.present);
    }
}

struct ShapeCase {
    std::string_view path;
    int count;
    int type;
};

TEST(JsonDocument, CountsAndTypesTellAMissingEndFromABrokenPath) {
    const std::vector<ShapeCase> cases = {
        {"", 2, kJsonObject},
        {"data", 5, kJsonObject},
        {"data.ugclist", 2, kJsonArray},
        {"data.obj", 2, kJsonObject},
        {"data.s", 0, kJsonString},
        {"data.ugclist[1].n", 0, kJsonNumber},
        {"data.flag", 0, kJsonOther},
        // Missing or null at the end of the path.
        {"data.none", -2, kJsonNullOrMissing},
        {"data.missing", -2, kJsonNullOrMissing},
        {"data.ugclist[5]", -2, kJsonNullOrMissing},
        {"data.s.x", -2, kJsonNullOrMissing},
        // Broken before the last step, or not a path at all.
        {"nodata.ugclist", 0, kJsonOther},
        {"data.none.x", 0, kJsonOther},
        {"data.ugclist[5].title", 0, kJsonOther},
        {"data.ugclist[-1]", 0, kJsonOther},
        {"[0]", 0, kJsonOther},
        {"data ugclist", 0, kJsonOther},
    };
    const JsonDocument document = parsed(kAnswer);
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(document.get_member_count(c.path), c.count);
        EXPECT_EQ(document.type_of(c.path), c.type);
    }
}

TEST(JsonDocument, TypeOfAndCountOfTheWholeValue) {
    struct Case {
        std::string_view value;
        int count;
        int type;
    };
    const std::vector<Case> cases = {
        {"[1,2]", 2, kJsonArray},     {"{}", 0, kJsonObject},           {"\"s\"", 0, kJsonString},
        {"2.5", 0, kJsonNumber},      {"null", -2, kJsonNullOrMissing}, {"true", 0, kJsonOther},
        {"", -2, kJsonNullOrMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        JsonDocument document;
        document.parse(c.value);
        EXPECT_EQ(document.get_member_count(), c.count);
        EXPECT_EQ(document.type_of(), c.type);
    }
    // With no value at all every member path breaks.
    JsonDocument empty;
    empty.parse("");
    EXPECT_EQ(empty.get_member_count("a"), 0);
    EXPECT_EQ(empty.type_of("a"), kJsonOther);
}

TEST(JsonDocument, LeadingIndexReadsAnArrayValue) {
    const JsonDocument document = parsed(R"([{"title":"x"},2])");
    EXPECT_EQ(document.get_property("[0].title"), "x");
    EXPECT_EQ(document.get_property("[1]"), "2");
    EXPECT_EQ(document.get_property("[0]", true), "{\"title\":\"x\"}");
    EXPECT_EQ(document.get_property("[0]", true), document.get_member(0, {}, true));
    EXPECT_EQ(document.get_property("[1]"), document.get_member(1));
    EXPECT_EQ(document.get_property_object("[0]").to_text(), "{\"title\":\"x\"}");
    // Only these two reads take a leading index.
    EXPECT_EQ(document.get_property_json("[0]"), "");
    EXPECT_FALSE(document.has_property("[1]"));
    EXPECT_EQ(document.get_member(0, "[0]"), "");
}

struct StoreCase {
    std::string_view key;
    std::string_view value;
    bool raw;
    std::string_view after; // to_text afterwards
};

constexpr std::string_view kStoreStart = R"({"a":{"b":1},"list":[1,2]})";

TEST(JsonDocument, SetPropertyStoresTextOrJsonValues) {
    const std::vector<StoreCase> cases = {
        {"c", "x", false, R"({"a":{"b":1},"list":[1,2],"c":"x"})"},
        {"a.b", "it's \\n", false, R"({"a":{"b":"it's \\n"},"list":[1,2]})"},
        {"a.b", "", false, R"({"a":{"b":""},"list":[1,2]})"},
        {"a.b", "{\"x\":[1]}", true, R"({"a":{"b":{"x":[1]}},"list":[1,2]})"},
        {"a.b", "", true, R"({"a":{"b":{}},"list":[1,2]})"},
        {"a.b", "null", true, R"({"a":{"b":null},"list":[1,2]})"},
        {"a[7]", "x", false, R"({"a":{"b":1,"7":"x"},"list":[1,2]})"},
        {"list[0]", "x", false, R"({"a":{"b":1},"list":["x",2]})"},
        {"list[2]", "3", true, R"({"a":{"b":1},"list":[1,2,3]})"},
        // Failures leave the value as it was.
        {"a.b", "{bad", true, kStoreStart},
        {"a.b", "'x'", true, kStoreStart},
        {"missing.b", "x", false, kStoreStart},
        {"a.b.c", "x", false, kStoreStart},
        {"list[5]", "x", false, kStoreStart},
        {"list.x", "x", false, kStoreStart},
        {"", "x", false, kStoreStart},
        {"[0]", "x", false, kStoreStart},
        {"a b", "x", false, kStoreStart},
        {"a;b", "x", false, kStoreStart},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " = " << c.value << " raw " << c.raw);
        JsonDocument document = parsed(kStoreStart);
        document.set_property(c.key, c.value, c.raw);
        EXPECT_EQ(document.to_text(), c.after);
    }
}

TEST(JsonDocument, SetPropertyRawTakesJsonLiterals) {
    JsonDocument document;
    document.set_property_raw("a", "[1,\"x\"]");
    document.set_property_raw("b", "true");
    document.set_property_raw("c", "");
    document.set_property_raw("d", "'x'");
    document.set_property_raw("a[0]", "2.50");
    EXPECT_EQ(document.to_text(), R"({"a":[2.5,"x"],"b":true})");
}

struct AddCase {
    std::string_view value;
    std::string_view path;
    bool raw;
    std::string_view after;
};

constexpr std::string_view kAddStart = R"({"list":[1],"n":5,"z":null,"o":{"k":1}})";

TEST(JsonDocument, AddMemberAppendsToAnArray) {
    const std::vector<AddCase> cases = {
        {"2", "list", true, R"({"list":[1,2],"n":5,"z":null,"o":{"k":1}})"},
        {"2", "list", false, R"({"list":[1,"2"],"n":5,"z":null,"o":{"k":1}})"},
        {"", "list", false, R"({"list":[1,""],"n":5,"z":null,"o":{"k":1}})"},
        {"v", "n", false, R"({"list":[1],"n":["v"],"z":null,"o":{"k":1}})"},
        {"{}", "o", true, R"({"list":[1],"n":5,"z":null,"o":[{}]})"},
        {"", "n", true, R"({"list":[1],"n":[],"z":null,"o":{"k":1}})"},
        {"v", "", false, R"(["v"])"},
        {"v", "missing", false, kAddStart},
        {"v", "z", false, kAddStart},
        {"v", "missing.x", false, kAddStart},
        {"{bad", "list", true, kAddStart},
        {"1,2", "list", true, kAddStart},
        {"v", "list[", false, kAddStart},
    };
    for (const AddCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path << " += " << c.value << " raw " << c.raw);
        JsonDocument document = parsed(kAddStart);
        document.add_member(c.value, c.path, c.raw);
        EXPECT_EQ(document.to_text(), c.after);
    }
    JsonDocument null_value;
    null_value.reset(kJsonNullOrMissing);
    null_value.add_member("v");
    EXPECT_EQ(null_value.to_text(), "null");
}

struct MemberCase {
    std::string_view value;
    int index;
    std::string_view path;
    bool as_json;
    std::string_view expected;
};

TEST(JsonDocument, ReadsElementsByIndex) {
    constexpr std::string_view array = R"(["a",{"k":[1,2]},3])";
    constexpr std::string_view object = R"({"list":[5,6],"-1":"minus"})";
    const std::vector<MemberCase> cases = {
        {array, 0, "", false, "a"},
        {array, 2, "", false, "3"},
        {array, 1, "", true, R"({"k":[1,2]})"},
        {array, 3, "", false, ""},
        {array, -1, "", false, ""},
        {array, 0, "x", false, ""},
        {object, 1, "list", false, "6"},
        {object, -1, "", false, "minus"},
        {object, 0, "list.x", false, ""},
    };
    for (const MemberCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.path << " [" << c.index << "]");
        EXPECT_EQ(parsed(c.value).get_member(c.index, c.path, c.as_json), c.expected);
    }
}

TEST(JsonDocument, MemberObjectsAreIndependentCopies) {
    JsonDocument document = parsed(R"({"a":{"b":"x"},"list":[{"k":1}],"none":null})");
    JsonDocument member = document.get_property_object("a");
    member.set_property("b", "changed");
    EXPECT_EQ(document.get_property("a.b"), "x");
    EXPECT_EQ(member.to_text(), R"({"b":"changed"})");

    JsonDocument element = document.get_member_object(0, "list");
    document.set_property("list[0].k", "2", true);
    EXPECT_EQ(element.to_text(), R"({"k":1})");

    // A member that is not there gives a document without a value.
    for (const JsonDocument& nothing :
         {document.get_property_object("missing"), document.get_property_object("a.b.c.d"),
          document.get_member_object(5, "list"), document.get_member_object(0, "missing")}) {
        EXPECT_EQ(nothing.to_text(), "");
        EXPECT_EQ(nothing.type_of(), kJsonNullOrMissing);
        EXPECT_EQ(nothing.get_property("b"), "");
    }
    EXPECT_EQ(document.get_property_object("none").to_text(), "null");
    EXPECT_EQ(document.get_property_object("a.b").to_text(), "\"x\"");
}

TEST(JsonDocument, CopiesShareTheValue) {
    JsonDocument document;
    JsonDocument copy = document;
    copy.set_property("x", "1");
    EXPECT_EQ(document.get_property("x"), "1");
    document.reset(kJsonArray);
    EXPECT_EQ(copy.to_text(), "[]");
}

TEST(JsonDocument, SetAndDeleteMembersOfTheValue) {
    struct Case {
        int index;
        std::string_view value;
        bool raw;
        std::string_view after;
    };
    constexpr std::string_view start = R"(["a","b"])";
    const std::vector<Case> cases = {
        {0, "x", false, R"(["x","b"])"}, {2, "{}", true, R"(["a","b",{}])"}, {3, "x", false, start},
        {-1, "x", false, start},         {0, "{bad", true, start},           {0, "", true, start},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " = " << c.value << " raw " << c.raw);
        JsonDocument document = parsed(start);
        document.set_member(c.index, c.value, c.raw);
        EXPECT_EQ(document.to_text(), c.after);
    }
    JsonDocument object;
    object.set_member(2, "x");
    EXPECT_EQ(object.to_text(), R"({"2":"x"})");

    JsonDocument array = parsed("[1,2,3]");
    array.delete_member(3);
    array.delete_member(-1);
    EXPECT_EQ(array.to_text(), "[1,2,3]");
    array.delete_member(0);
    EXPECT_EQ(array.to_text(), "[2,3]");
    object.delete_member(0);
    EXPECT_EQ(object.to_text(), R"({"2":"x"})");
}

TEST(JsonDocument, ResetSetValueAndClearReplaceTheWholeValue) {
    const std::vector<std::pair<int, std::string_view>> resets = {
        {kJsonNullOrMissing, "null"}, {kJsonObject, "{}"}, {kJsonArray, "[]"}, {3, "[1]"},
        {kJsonString, "[1]"},         {kJsonOther, "[1]"},
    };
    for (const auto& [type, after] : resets) {
        SCOPED_TRACE(type);
        JsonDocument document = parsed("[1]");
        document.reset(type);
        EXPECT_EQ(document.to_text(), after);
    }

    JsonDocument document;
    document.set_value("it's", false);
    EXPECT_EQ(document.to_text(), "\"it's\"");
    document.set_value("", true);
    document.set_value("[1", true);
    EXPECT_EQ(document.to_text(), "\"it's\"");
    document.set_value("[1,{}]", true);
    EXPECT_EQ(document.to_text(), "[1,{}]");
    document.clear();
    EXPECT_EQ(document.to_text(), "{}");
    document.parse("");
    document.init();
    EXPECT_EQ(document.to_text(), "{}");
}

TEST(JsonDocument, MemberNamesInOrder) {
    const JsonDocument document =
        parsed(std::string(R"({"b":1,"a":{"x,y":1},"list":[7,8],"s":"t",")") +
               std::string(kGbkName) + "\":3}");
    std::vector<Text> names = {"stale"};
    document.member_names(names);
    EXPECT_EQ(names, (std::vector<Text>{"b", "a", "list", "s", Text(kGbkName)}));
    document.member_names(names, "a");
    EXPECT_EQ(names, std::vector<Text>{"x,y"});
    document.member_names(names, "list");
    EXPECT_EQ(names, (std::vector<Text>{"0", "1"}));
    for (std::string_view nothing : {"s", "missing", "missing.x", "a b"}) {
        SCOPED_TRACE(nothing);
        names = {"stale"};
        document.member_names(names, nothing);
        EXPECT_TRUE(names.empty());
    }
}

TEST(JsonDocument, VeryLongPathsFailQuietly) {
    std::string path = "a";
    for (int i = 0; i < 100000; ++i) {
        path += ".a[0]";
    }
    JsonDocument document = parsed(R"({"a":{"a":[1]}})");
    EXPECT_EQ(document.get_property(path), "");
    EXPECT_EQ(document.get_member_count(path), 0);
    EXPECT_EQ(document.type_of(path), kJsonOther);
    document.set_property(path, "x");
    document.add_member("x", path);
    EXPECT_EQ(document.to_text(), R"({"a":{"a":[1]}})");
    EXPECT_EQ(document.get_property(std::string(100000, 'a')), "");
    EXPECT_EQ(document.get_property("a.a[" + std::string(10000, '9') + "]"), "");
}

// The homepage answer as the song list reads it: recoded to GBK, titles partly
// as GBK text and partly as JSON escapes.
std::string homepage_answer(int songs) {
    const std::vector<std::string> titles = {
        "\xC7\xE7\xCC\xEC",                 // 晴天
        "\xB5\xBE\xCF\xE3",                 // 稻香
        "\xC6\xDF\xC0\xEF\xCF\xE3",         // 七里香
        "\xB8\xE6\xB0\xD7\xC6\xF8\xC7\xF2", // 告白气球
        "\xBC\xF2\xB5\xA5\xB0\xAE",         // 简单爱
        "\xD2\xB9\xC7\xFA",                 // 夜曲
        "\\u4e2d\\u6587",                   // 中文
        "\\ud83c\\udfb5 \\\"live\\\"",      // U+1F3B5 "live"
    };
    std::string answer = "{\"code\":0,\"data\":{\"nickname\":\"\xB8\xE8\xCA\xD6\",\"ugclist\":[";
    for (int k = 0; k < songs; ++k) {
        answer += k == 0 ? "" : ",";
        answer += R"({"title":")" + titles[static_cast<size_t>(k)] + R"(","shareid":"sid)" +
                  std::to_string(k) + R"(","time":1600000000})";
    }
    return answer + "],\"has_more\":1}}";
}

TEST(JsonDocument, SongListCallingOrder) {
    const std::vector<std::string> expected_titles = {
        "\xC7\xE7\xCC\xEC",         "\xB5\xBE\xCF\xE3",
        "\xC6\xDF\xC0\xEF\xCF\xE3", "\xB8\xE6\xB0\xD7\xC6\xF8\xC7\xF2",
        "\xBC\xF2\xB5\xA5\xB0\xAE", "\xD2\xB9\xC7\xFA",
        std::string(kGbkChinese),   std::string(kGbkNote) + " \"live\"",
    };
    JsonDocument document;
    document.parse(homepage_answer(8));
    const int count = document.get_member_count("data.ugclist");
    ASSERT_EQ(count, 8);
    for (int n = 0; n < count; ++n) {
        SCOPED_TRACE(n);
        const std::string element = "data.ugclist[" + std::to_string(n) + "]";
        EXPECT_EQ(document.get_property(element + ".title"),
                  expected_titles[static_cast<size_t>(n)]);
        EXPECT_EQ(document.get_property(element + ".shareid"), "sid" + std::to_string(n));
    }
    EXPECT_EQ(document.get_property("data.ugclist[8].title"), "");
    EXPECT_EQ(document.get_property("data.ugclist[8].shareid"), "");
    EXPECT_EQ(document.get_member_count("data.ugclist"), 8);
    EXPECT_EQ(document.get_property("data.nickname"), "\xB8\xE8\xCA\xD6");

    // A failed answer reads as no songs at all.
    JsonDocument failed;
    failed.parse(R"({"code":1000,"msg":"bad uid"})");
    EXPECT_LT(failed.get_member_count("data.ugclist"), 1);
    failed.parse("callback_0(" + homepage_answer(2) + ")");
    EXPECT_LT(failed.get_member_count("data.ugclist"), 1);
    EXPECT_EQ(failed.get_property("data.ugclist[0].title"), "");
}

} // namespace
} // namespace velluno

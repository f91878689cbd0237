// convert_test.cpp -- the converter's behaviour through its export, on every platform it is built for
#include "harness.h"
#include "model.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::string source;
    std::string destination;
    int result;
};

const Case CASES[] = {
    {"empty source", "", "", CONVERT_OK},
    {"no braces", "plain text", "plain text", CONVERT_OK},
    {"ordinary group kept", "{\\rtf1 {\\b x}}", "{\\rtf1 {\\b x}}", CONVERT_OK},
    {"panose group removed whole", "a{\\*\\panose 020b0604020202020204}b", "ab", CONVERT_OK},
    {"font table entry", "{\\f0\\froman\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}",
     "{\\f0\\froman\\fprq2Times New Roman;}", CONVERT_OK},
    {"tag followed by letters", "a{\\*\\panosexyz 12}b", "ab", CONVERT_OK},
    {"closing brace right after tag", "a{\\*\\panose}b", "ab", CONVERT_OK},
    {"closing brace as tenth byte of a longer word", "a{\\*\\panoses}b", "ab", CONVERT_OK},
    {"space before tag", "{ \\*\\panose 1}", "{ \\*\\panose 1}", CONVERT_OK},
    {"tag in another case", "{\\*\\Panose 1}{\\*\\PANOSE 2}", "{\\*\\Panose 1}{\\*\\PANOSE 2}", CONVERT_OK},
    {"tag brace one byte after a brace", "{{\\*\\panose 1}}", "{{\\*\\panose 1}}", CONVERT_OK},
    {"tag brace nine bytes after a brace", "{12345678{\\*\\panose 1}}", "{12345678{\\*\\panose 1}}", CONVERT_OK},
    {"tag brace ten bytes after a brace", "{123456789{\\*\\panose 1}}", "{123456789}", CONVERT_OK},
    {"escaped brace before tag", "x\\{\\*\\panose 1}y", "x\\y", CONVERT_OK},
    {"brace among the last nine bytes", "ab{\\*\\panos", "ab{\\*\\panos", CONVERT_OK},
    {"brace as the last byte", "abc{", "abc{", CONVERT_OK},
    {"zero byte in the look-ahead", std::string("{\\*\\pa\0ose 1}", 14), std::string("{\\*\\pa\0ose 1}", 14),
     CONVERT_OK},
    {"zero byte right after the tag", std::string("a{\\*\\panose\0}b", 14), "ab", CONVERT_OK},
    {"source ends after the tag", "a{\\*\\panose", "", CONVERT_UNCLOSED_GROUP},
    {"source ends inside the group", "abc{\\*\\panose 0202", "", CONVERT_UNCLOSED_GROUP},
    {"first closing brace ends the group", "{\\*\\panose {\\x}tail}z", "tail}z", CONVERT_OK},
    {"adjacent groups", "<{\\*\\panose 1}{\\*\\panose 2}>", "<>", CONVERT_OK},
    {"bytes above 127", "\xff{\x80\x81}\xfe", "\xff{\x80\x81}\xfe", CONVERT_OK},
    {"line ends kept", "{\\fonttbl\r\n{\\*\\panose 1}\r\r\n}", "{\\fonttbl\r\n\r\r\n}", CONVERT_OK},
};

// Sources around the 32000-byte block boundary, checked against the model.
std::vector<std::pair<std::string, std::string>> BoundarySources()
{
    std::vector<std::pair<std::string, std::string>> sources;
    for (std::size_t size : {1, 31999, 32000, 32001, 64000, 64001}) {
        sources.emplace_back("plain source of " + std::to_string(size) + " bytes", Filler(size));
    }
    for (std::size_t before = 31988; before <= 32001; ++before) {
        sources.emplace_back("tag group at " + std::to_string(before),
                             Filler(before) + "{" + PANOSE_TAG + " 0203}" + Filler(100));
        sources.emplace_back("closing brace at " + std::to_string(before),
                             Filler(before - 12) + "{" + PANOSE_TAG + "12}" + Filler(50));
        sources.emplace_back("kept brace at " + std::to_string(before), Filler(before) + "{\\f1 x}" + Filler(20));
    }
    for (std::size_t kept : {0, 31999, 32000, 32001, 64000, 64005}) {
        sources.emplace_back("unclosed group after " + std::to_string(kept) + " bytes",
                             Filler(kept) + "{" + PANOSE_TAG + " 02" + Filler(40000));
    }
    sources.emplace_back("groups in every block", [] {
        std::string source;
        while (source.size() < 100000) {
            source += Filler(997) + "{\\f2{" + PANOSE_TAG + " 020b}Arial;}";
        }
        return source;
    }());
    return sources;
}

TEST(Convert, CasesByteForByte)
{
    for (Binding binding : Bindings()) {
        Rtf97To95Function convert = BindConverter(binding);
        ASSERT_NE(convert, nullptr) << BindingName(binding);
        for (const Case& row : CASES) {
            SCOPED_TRACE(std::string(row.name) + ", " + BindingName(binding));
            ModelConversion model = ModelConvert(row.source);
            ASSERT_EQ(model.destination, row.destination) << "the model disagrees with the table";
            Conversion got = RunConverter(convert, row.source);
            EXPECT_EQ(got.result, row.result);
            EXPECT_EQ(got.destination, row.destination);
            EXPECT_EQ(got.trace, model.trace);
        }
    }
}

TEST(Convert, TraceHoldsExactlyTheBytesTakenAtTheTopOfTheLoop)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    ASSERT_NE(convert, nullptr);
    // The brace of every group is traced; look-ahead bytes and removed bytes are not.
    EXPECT_EQ(RunConverter(convert, "a{\\*\\panose 1}b{\\f1 c}d").trace, "a{b{");
    EXPECT_EQ(RunConverter(convert, "{123456789{x}yz").trace, "{{");
    EXPECT_EQ(RunConverter(convert, "{\\rtf1 next}").trace, "{t}");
}

TEST(Convert, BlockBoundaries)
{
    for (Binding binding : Bindings()) {
        Rtf97To95Function convert = BindConverter(binding);
        ASSERT_NE(convert, nullptr);
        for (const auto& [name, source] : BoundarySources()) {
            SCOPED_TRACE(name + ", " + BindingName(binding));
            ModelConversion model = ModelConvert(source);
            Conversion got = RunConverter(convert, source);
            EXPECT_EQ(got.result, model.result);
            EXPECT_TRUE(got.destination == model.destination)
                << "destination of " << got.destination.size() << " bytes, expected " << model.destination.size();
            EXPECT_TRUE(got.trace == model.trace)
                << "trace of " << got.trace.size() << " bytes, expected " << model.trace.size();
        }
    }
}

TEST(Convert, RealDocuments)
{
    const std::pair<const char*, int> documents[] = {
        {"word-license-01.rtf", 4}, {"wordmac-escapes-01.rtf", 2}, {"generator-cib-01.rtf", 3},
        {"word-tables-01.rtf", 14}, {"word-cjk-01.rtf", 13},       {"nopanose-textedit-01.rtf", 0},
    };
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    ASSERT_NE(convert, nullptr);
    for (const auto& [name, groups] : documents) {
        SCOPED_TRACE(name);
        std::string source = TestData(name);
        ASSERT_FALSE(source.empty());
        ASSERT_EQ(ModelRemovedGroups(source), groups);
        Conversion got = RunConverter(convert, source);
        EXPECT_EQ(got.result, CONVERT_OK);
        EXPECT_TRUE(got.destination == ModelConvert(source).destination);
        EXPECT_EQ(got.destination.find("{" + PANOSE_TAG), std::string::npos);
        EXPECT_EQ(got.destination.find("panose"), std::string::npos);
        if (groups == 0) {
            EXPECT_TRUE(got.destination == source);
        }
    }
}

TEST(Convert, ExistingDestinationIsCutToZeroLength)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder();
    std::string source = folder + "/in.rtf";
    std::string destination = folder + "/out.rtf";
    WriteWholeFile(source, "{\\rtf1 short}");
    WriteWholeFile(destination, Filler(70000));
    std::string trace;
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), destination.c_str(), &trace), CONVERT_OK);
    EXPECT_EQ(ReadWholeFile(destination), "{\\rtf1 short}");

    WriteWholeFile(source, "");
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), destination.c_str(), &trace), CONVERT_OK);
    EXPECT_TRUE(FileExists(destination));
    EXPECT_EQ(ReadWholeFile(destination), "");
}

TEST(Convert, LongPathsWork)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder() + "/" + std::string(60, 'a');
    ASSERT_TRUE(MakeFolder(folder));
    folder += "/" + std::string(60, 'b');
    ASSERT_TRUE(MakeFolder(folder));
    std::string source = folder + "/" + std::string(40, 'c') + ".rtf";
    std::string destination = folder + "/" + std::string(40, 'd') + ".rtf";
    ASSERT_GT(source.size(), 200u);
    WriteWholeFile(source, "{\\f0\\froman{\\*\\panose 02}Arial;}");
    std::string trace;
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), destination.c_str(), &trace), CONVERT_OK);
    EXPECT_EQ(ReadWholeFile(destination), "{\\f0\\fromanArial;}");
}

TEST(Convert, SourceThatCannotBeOpenedTouchesNoDestination)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder();
    std::string existing = folder + "/existing.rtf";
    std::string absent = folder + "/absent.rtf";
    WriteWholeFile(existing, "keep me");
    std::string trace;
    EXPECT_EQ(ConvertTraced(convert, (folder + "/missing.rtf").c_str(), existing.c_str(), &trace), CONVERT_NO_SOURCE);
    EXPECT_EQ(ConvertTraced(convert, folder.c_str(), existing.c_str(), &trace), CONVERT_NO_SOURCE);
    EXPECT_EQ(ConvertTraced(convert, nullptr, existing.c_str(), &trace), CONVERT_NO_SOURCE);
    EXPECT_EQ(ConvertTraced(convert, (folder + "/missing.rtf").c_str(), absent.c_str(), &trace), CONVERT_NO_SOURCE);
    EXPECT_EQ(ReadWholeFile(existing), "keep me");
    EXPECT_FALSE(FileExists(absent));
    EXPECT_EQ(trace, "");
}

TEST(Convert, DestinationThatCannotBeOpened)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder();
    std::string source = folder + "/in.rtf";
    WriteWholeFile(source, "{\\rtf1}");
    std::string trace;
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), nullptr, &trace), CONVERT_NO_DESTINATION);
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), folder.c_str(), &trace), CONVERT_NO_DESTINATION);
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), (folder + "/no/such/folder.rtf").c_str(), &trace),
              CONVERT_NO_DESTINATION);
    EXPECT_EQ(trace, "");
    // The source was closed each time: it can still be converted and removed.
    EXPECT_EQ(ConvertTraced(convert, source.c_str(), (folder + "/out.rtf").c_str(), &trace), CONVERT_OK);
    EXPECT_EQ(ReadWholeFile(folder + "/out.rtf"), "{\\rtf1}");
    EXPECT_TRUE(RemoveFile(source));
}

TEST(Convert, DestinationThatIsTheSourceLeavesItUntouched)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder();
    std::string source = folder + "/doc.rtf";
    const std::string content = "{\\rtf1{\\fonttbl{\\f0{" + PANOSE_TAG + " 02}Arial;}}text}";
    WriteWholeFile(source, content);
    std::vector<std::string> spellings = {source, folder + "/./doc.rtf", folder + "/../" + BaseName(folder) + "/doc.rtf"};
    ASSERT_TRUE(MakeHardLink(source, folder + "/hard.rtf"));
    spellings.push_back(folder + "/hard.rtf");
    if (MakeSymbolicLink(source, folder + "/soft.rtf")) {
        spellings.push_back(folder + "/soft.rtf");
    }
    for (const std::string& destination : spellings) {
        SCOPED_TRACE(destination);
        std::string trace;
        EXPECT_EQ(ConvertTraced(convert, source.c_str(), destination.c_str(), &trace), CONVERT_NO_DESTINATION);
        EXPECT_EQ(ReadWholeFile(source), content);
        EXPECT_EQ(trace, "");
    }
}

TEST(Convert, ConversionAfterAnUnclosedGroupHoldsOnlyItsOwnBytes)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    Conversion failed = RunConverter(convert, Filler(40000) + "{" + PANOSE_TAG + " never closed");
    EXPECT_EQ(failed.result, CONVERT_UNCLOSED_GROUP);
    EXPECT_TRUE(failed.destination == Filler(32000));
    Conversion next = RunConverter(convert, "{\\rtf1 next}");
    EXPECT_EQ(next.result, CONVERT_OK);
    EXPECT_EQ(next.destination, "{\\rtf1 next}");
    EXPECT_EQ(next.trace, "{t}");
}

}  // namespace

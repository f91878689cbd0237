// faults_test.cpp -- the converter over a platform that misbehaves on purpose: short reads, failing
// reads, writes and closes, and no console
#include "harness.h"
#include "model.h"
#include "standin.h"

#include <gtest/gtest.h>

namespace {

// Clears the faults when a test ends, however it ends.
struct FaultScope {
    explicit FaultScope(const StandinFileFaults& faults) { StandinSetFileFaults(&faults); }
    ~FaultScope() { StandinSetFileFaults(nullptr); }
};

Rtf97To95Function Converter()
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    EXPECT_NE(convert, nullptr);
    return convert;
}

TEST(Faults, ShortReadsChangeNothing)
{
    const std::string sources[] = {
        "",
        "{\\rtf1{\\fonttbl{\\f0{" + PANOSE_TAG + " 02}Arial;}{\\f1{" + PANOSE_TAG + "}x;}}{12345678{" + PANOSE_TAG + " 1}}" +
            "{123456789{" + PANOSE_TAG + " 1}} tail{",
        Filler(31995) + "{" + PANOSE_TAG + " 0203}" + Filler(32000) + "{\\f1{" + PANOSE_TAG + "}}" + "ab{\\*\\pan",
        Filler(64000),
        Filler(33000) + "{" + PANOSE_TAG + " never closed",
        TestData("word-tables-01.rtf"),
    };
    for (DWORD limit : {1u, 2u, 7u, 9u, 10u, 4096u, 31999u}) {
        for (const std::string& source : sources) {
            SCOPED_TRACE("reads of at most " + std::to_string(limit) + " bytes, source of " +
                         std::to_string(source.size()));
            FaultScope scope({limit, 0, 0, 0, FALSE, FALSE});
            ModelConversion model = ModelConvert(source);
            Conversion got = RunConverter(Converter(), source);
            EXPECT_EQ(got.result, model.result);
            EXPECT_TRUE(got.destination == model.destination);
            EXPECT_TRUE(got.trace == model.trace);
        }
    }
}

TEST(Faults, PlatformSeesWholeBlocks)
{
    struct Row {
        std::size_t size;
        int reads;  // every read asks for a whole block; the last one finds the end
        int writes; // full blocks, then the final flush, empty or not
    };
    const Row rows[] = {{0, 1, 1}, {1, 2, 1}, {31999, 2, 1}, {32000, 2, 2}, {32001, 3, 2}, {64000, 3, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.size);
        FaultScope scope({});
        Conversion got = RunConverter(Converter(), Filler(row.size));
        StandinFileCounts counts = StandinGetFileCounts();
        EXPECT_EQ(got.result, CONVERT_OK);
        EXPECT_EQ(counts.reads, row.reads);
        EXPECT_EQ(counts.writes, row.writes);
        EXPECT_EQ(counts.largestRead, 32000u);
        EXPECT_LE(counts.largestWrite, 32000u);
        EXPECT_EQ(counts.consoleWrites, static_cast<int>(row.size));
        EXPECT_EQ(counts.openHandles, 0);
    }
}

TEST(Faults, FailedReadStopsTheConversion)
{
    struct Row {
        const char* name;
        std::string source;
        int failingRead;
        std::size_t kept; // bytes of the copy the destination holds afterwards
    };
    const Row rows[] = {
        {"first read", "{\\rtf1 x}", 1, 0},
        {"read after a full block", Filler(70000), 2, 32000},
        {"read in the look-ahead", Filler(31996) + "{" + PANOSE_TAG + " 1}rest", 2, 0},
        {"read inside a removed group", Filler(31000) + "{" + PANOSE_TAG + Filler(2000) + "}", 2, 0},
        {"read at the end", Filler(100), 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FaultScope scope({0, row.failingRead, 0, 0, FALSE, FALSE});
        Conversion got = RunConverter(Converter(), row.source);
        EXPECT_EQ(got.result, CONVERT_READ_FAILED);
        EXPECT_TRUE(got.destination == ModelConvert(row.source).destination.substr(0, row.kept));
        EXPECT_EQ(StandinGetFileCounts().openHandles, 0);
    }
}

TEST(Faults, FailedWriteStopsTheConversion)
{
    struct Row {
        const char* name;
        std::string source;
        StandinFileFaults faults;
        std::size_t kept;   // bytes the destination holds afterwards
        std::size_t traced; // bytes traced before the conversion stopped
    };
    const std::string large = Filler(70000);
    const Row rows[] = {
        {"first block written short", large, {0, 0, 1, 100, FALSE, FALSE}, 100, 32000},
        {"first block refused", large, {0, 0, 1, 0, TRUE, FALSE}, 0, 32000},
        {"second block written short", large, {0, 0, 2, 5, FALSE, FALSE}, 32005, 64000},
        {"block filled by a look-ahead", Filler(31995) + "{\\fonttbl x}", {0, 0, 1, 0, TRUE, FALSE}, 0, 31996},
        {"final flush written short", "{\\rtf1 small}", {0, 0, 1, 3, FALSE, FALSE}, 3, 4},
        {"empty final flush refused", Filler(32000), {0, 0, 2, 0, TRUE, FALSE}, 32000, 32000},
        {"close fails", "{\\rtf1 small}", {0, 0, 0, 0, FALSE, TRUE}, 13, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FaultScope scope(row.faults);
        Conversion got = RunConverter(Converter(), row.source);
        EXPECT_EQ(got.result, CONVERT_WRITE_FAILED);
        EXPECT_EQ(got.destination.size(), row.kept);
        EXPECT_TRUE(got.destination == row.source.substr(0, row.kept));
        EXPECT_EQ(got.trace.size(), row.traced);
        EXPECT_EQ(StandinGetFileCounts().openHandles, 0);
    }
    // Nothing of a failed conversion reaches the next one.
    Conversion next = RunConverter(Converter(), "abc");
    EXPECT_EQ(next.result, CONVERT_OK);
    EXPECT_EQ(next.destination, "abc");
}

TEST(Faults, WithoutConsoleNothingIsTracedAndTheCopyIsTheSame)
{
    const std::string source = Filler(40000) + "{\\f0{" + PANOSE_TAG + " 02}Arial;}";
    for (HANDLE standardOutput : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE}) {
        std::string folder = ScratchFolder();
        WriteWholeFile(folder + "/in.rtf", source);
        FaultScope scope({});
        HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
        SetStdHandle(STD_OUTPUT_HANDLE, standardOutput);
        int result = Converter()((folder + "/in.rtf").c_str(), (folder + "/out.rtf").c_str());
        SetStdHandle(STD_OUTPUT_HANDLE, saved);
        EXPECT_EQ(result, CONVERT_OK);
        EXPECT_EQ(StandinGetFileCounts().consoleWrites, 0);
        EXPECT_TRUE(ReadWholeFile(folder + "/out.rtf") == ModelConvert(source).destination);
    }
}

TEST(Faults, EveryPathClosesWhatItOpened)
{
    std::string folder = ScratchFolder();
    WriteWholeFile(folder + "/in.rtf", "{" + PANOSE_TAG + " open");
    std::string trace;
    FaultScope scope({});
    ConvertTraced(Converter(), (folder + "/in.rtf").c_str(), (folder + "/out.rtf").c_str(), &trace);
    ConvertTraced(Converter(), (folder + "/in.rtf").c_str(), folder.c_str(), &trace);
    ConvertTraced(Converter(), (folder + "/in.rtf").c_str(), (folder + "/in.rtf").c_str(), &trace);
    ConvertTraced(Converter(), (folder + "/none.rtf").c_str(), (folder + "/out.rtf").c_str(), &trace);
    // The trace file of each call is the only handle the test itself made.
    EXPECT_EQ(StandinGetFileCounts().openHandles, 0);
}

}  // namespace

// harness.cpp -- loads the converter as a host does, and runs it over files of a scratch folder
#include "harness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string ProgramFolder()
{
    char path[4096] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return fs::path(std::string(path, length)).parent_path().string();
}

// Deletes the scratch folders when the test program ends.
struct ScratchCleanup {
    std::vector<std::string> folders;
    ~ScratchCleanup()
    {
        for (const std::string& folder : folders) {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    }
};
ScratchCleanup cleanup;

}  // namespace

const std::string PANOSE_TAG = "\\*\\panose";

std::string Filler(std::size_t size)
{
    static const char pattern[] = "\\ab12 \r\n";
    std::string bytes(size, ' ');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = pattern[i % (sizeof pattern - 1)];
    }
    return bytes;
}

std::vector<Binding> Bindings()
{
    if (LIBRARIES_HAVE_ORDINALS) {
        return {Binding::ByName, Binding::ByOrdinal};
    }
    return {Binding::ByName};
}

const char* BindingName(Binding binding)
{
    return binding == Binding::ByName ? "by name" : "by ordinal 2";
}

Rtf97To95Function BindConverter(Binding binding)
{
    static HMODULE library = LoadLibraryA((ProgramFolder() + "/" PANSTRIP_LIBRARY).c_str());
    if (library == nullptr) {
        return nullptr;
    }
    LPCSTR name = binding == Binding::ByName ? "rtf97to95" : MAKEINTRESOURCEA(2);
    return reinterpret_cast<Rtf97To95Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::string ScratchFolder()
{
    static const unsigned run = std::random_device()();
    static int serial = 0;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "panstrip-test-" + std::to_string(run) + "-" + std::to_string(++serial) + "-" +
                       (test != nullptr ? test->name() : "setup");
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    cleanup.folders.push_back(folder.string());
    return folder.string();
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    return fs::exists(path);
}

bool RemoveFile(const std::string& path)
{
    std::error_code error;
    return fs::remove(path, error);
}

bool MakeFolder(const std::string& path)
{
    std::error_code error;
    return fs::create_directory(path, error);
}

bool MakeHardLink(const std::string& target, const std::string& link)
{
    std::error_code error;
    fs::create_hard_link(target, link, error);
    return !error;
}

bool MakeSymbolicLink(const std::string& target, const std::string& link)
{
    std::error_code error;
    fs::create_symlink(target, link, error);
    return !error;
}

std::string BaseName(const std::string& path)
{
    return fs::path(path).filename().string();
}

std::string TestData(const std::string& name)
{
    return ReadWholeFile(std::string(TEST_DATA_FOLDER) + "/" + name);
}

int ConvertTraced(Rtf97To95Function convert, const char* source, const char* destination, std::string* trace)
{
    std::string tracePath = ScratchFolder() + "/trace";
    HANDLE standardOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE traceFile = CreateFileA(tracePath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(traceFile, INVALID_HANDLE_VALUE);
    SetStdHandle(STD_OUTPUT_HANDLE, traceFile);
    int result = convert(source, destination);
    SetStdHandle(STD_OUTPUT_HANDLE, standardOutput);
    CloseHandle(traceFile);
    *trace = ReadWholeFile(tracePath);
    return result;
}

Conversion RunConverter(Rtf97To95Function convert, const std::string& source)
{
    std::string folder = ScratchFolder();
    std::string sourcePath = folder + "/source.rtf";
    std::string destinationPath = folder + "/destination.rtf";
    WriteWholeFile(sourcePath, source);
    Conversion conversion{0, "", ""};
    conversion.result = ConvertTraced(convert, sourcePath.c_str(), destinationPath.c_str(), &conversion.trace);
    conversion.destination = ReadWholeFile(destinationPath);
    return conversion;
}

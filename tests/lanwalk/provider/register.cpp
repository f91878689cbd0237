// register.cpp -- registers the test network provider beside this program with the router, or removes it
//
// Run with no argument it names the provider's service in the router's provider order and points the
// service's NetworkProvider key at the provider's file; with --remove it undoes both. Routers read the
// registration when they load, so it applies to processes started afterwards.
#include "entries.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char ORDER_KEY[] = "System\\CurrentControlSet\\Control\\NetworkProvider\\Order";
const char ORDER_VALUE[] = "ProviderOrder";
const char SERVICE_KEY[] = "System\\CurrentControlSet\\Services\\" LANWALK_TEST_SERVICE;
const char PROVIDER_KEY[] = "System\\CurrentControlSet\\Services\\" LANWALK_TEST_SERVICE "\\NetworkProvider";
constexpr DWORD NETWORK_CLASS = 1;

// The providers in the order value, split at its commas; none when there is no value.
std::vector<std::string> ReadOrder(HKEY order)
{
    char text[4096] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    std::vector<std::string> names;
    if (RegQueryValueExA(order, ORDER_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return names;
    }
    std::string all(text);
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t comma = all.find(',', start);
        std::string name = all.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!name.empty()) {
            names.push_back(name);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return names;
}

LONG WriteOrder(HKEY order, const std::vector<std::string>& names)
{
    std::string all;
    for (const std::string& name : names) {
        all += (all.empty() ? "" : ",") + name;
    }
    if (all.empty()) {
        LONG result = RegDeleteValueA(order, ORDER_VALUE);
        return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
    }
    return RegSetValueExA(order, ORDER_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(all.c_str()),
                          static_cast<DWORD>(all.size() + 1));
}

LONG SetString(HKEY key, const char* name, const std::string& value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

// The provider's file beside this program.
std::string ProviderPath()
{
    char program[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, length);
    std::size_t slash = path.find_last_of("\\/");
    return path.substr(0, slash + 1) + LANWALK_TEST_PROVIDER_FILE;
}

int Fail(const char* what, LONG result)
{
    std::fprintf(stderr, "lanwalk_register_provider: %s failed (error %ld)\n", what, static_cast<long>(result));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    bool remove = argc > 1 && std::strcmp(argv[1], "--remove") == 0;
    HKEY order = nullptr;
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, ORDER_KEY, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &order,
                                  nullptr);
    if (result != ERROR_SUCCESS) {
        return Fail("opening the provider order", result);
    }
    std::vector<std::string> names = ReadOrder(order);
    std::vector<std::string> others;
    for (const std::string& name : names) {
        if (name != LANWALK_TEST_SERVICE) {
            others.push_back(name);
        }
    }
    if (remove) {
        result = WriteOrder(order, others);
        RegCloseKey(order);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, PROVIDER_KEY);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, SERVICE_KEY);
        return result == ERROR_SUCCESS ? 0 : Fail("writing the provider order", result);
    }
    HKEY provider = nullptr;
    result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, PROVIDER_KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &provider, nullptr);
    if (result != ERROR_SUCCESS) {
        RegCloseKey(order);
        return Fail("creating the provider's key", result);
    }
    std::string path = ProviderPath();
    DWORD networkClass = NETWORK_CLASS;
    result = SetString(provider, "ProviderPath", path);
    if (result == ERROR_SUCCESS) {
        result = SetString(provider, "Name", LANWALK_TEST_PROVIDER_NAME);
    }
    if (result == ERROR_SUCCESS) {
        result = RegSetValueExA(provider, "Class", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&networkClass),
                                sizeof networkClass);
    }
    RegCloseKey(provider);
    if (result != ERROR_SUCCESS) {
        RegCloseKey(order);
        return Fail("writing the provider's values", result);
    }
    others.push_back(LANWALK_TEST_SERVICE);
    result = WriteOrder(order, others);
    RegCloseKey(order);
    if (result != ERROR_SUCCESS) {
        return Fail("writing the provider order", result);
    }
    std::printf("registered %s as %s\n", path.c_str(), LANWALK_TEST_SERVICE);
    return 0;
}

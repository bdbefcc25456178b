// How long the port list takes to load N mappings (registry read to rows in a
// sorted list box), per mapping and against a baseline that does only the
// registry reads of the same values. Runs under Wine; prints a table.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/ListBox.h"
#include "mapping/ConnectorStore.h"
#include "mapping/MappingValues.h"
#include "tests/support/Registry.h"

namespace {

const int kRepetitions = 15;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// N mappings, alternately TCP client and UDP, as the program itself writes them.
void SeedMappings(int count)
{
    DeleteMachineKey(kConfigKeyPath);
    for (int n = 1; n <= count; ++n) {
        PortRecord record;
        record.com_port = n;
        record.ipa = 0x0A000000u | static_cast<unsigned>(n);
        record.net_port = static_cast<std::uint16_t>(4000 + n);
        record.mode = (n % 2) ? ProtocolTcpClient : ProtocolUdp;
        StoreMapping(record);
    }
}

// What the window's start does: enumerate, read, decode, format, add.
void LoadIntoList(CListBox& list)
{
    HKEY config = OpenConfigKey();
    char name[256];
    for (DWORD i = 0; ::RegEnumKeyA(config, i, name, sizeof(name)) == ERROR_SUCCESS; ++i) {
        ReadMapping(config, list, name);
    }
    ::RegCloseKey(config);
}

// The registry work alone: the same enumeration and the same value reads.
void ReadValuesOnly()
{
    HKEY config = OpenConfigKey();
    char name[256];
    for (DWORD i = 0; ::RegEnumKeyA(config, i, name, sizeof(name)) == ERROR_SUCCESS; ++i) {
        const std::string connectionType = ReadString(config, name, "ConnectionType", kUnreadableValue);
        if (connectionType == "CLIENT") ReadString(config, name, "ProtocolSetttings", kUnreadableValue);
        ReadString(config, name, "PortSettings", kUnreadableValue);
        ReadString(config, name, "NetSettings", kUnreadableValue);
    }
    ::RegCloseKey(config);
}

template <class Work>
double MedianSeconds(Work work, const std::function<void()>& before = [] {})
{
    std::vector<double> times;
    for (int r = 0; r < kRepetitions; ++r) {
        before();
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        work();
        ::QueryPerformanceCounter(&end);
        times.push_back(Seconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    CListBox list;
    list.Attach(::CreateWindowExA(0, "LISTBOX", "", LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                  nullptr, nullptr, nullptr));
    if (list.m_hWnd == nullptr) {
        std::fprintf(stderr, "cannot create a list box (is there a display?)\n");
        return 1;
    }

    std::printf("Loading N mappings into the port list (median of %d runs)\n", kRepetitions);
    std::printf("%6s %16s %18s %8s\n", "N", "load us/mapping", "reads us/mapping", "ratio");
    for (int count : {10, 100, 1000}) {
        SeedMappings(count);
        const double load = MedianSeconds([&] { LoadIntoList(list); },
                                          [&] { list.SendMessage(LB_RESETCONTENT, 0, 0); });
        if (list.GetCount() != count) {
            std::fprintf(stderr, "loaded %d rows, expected %d\n", list.GetCount(), count);
            return 1;
        }
        const double reads = MedianSeconds([] { ReadValuesOnly(); });
        std::printf("%6d %16.1f %18.1f %8.2f\n", count, load * 1e6 / count, reads * 1e6 / count,
                    load / reads);
    }
    DeleteMachineKey(kConfigKeyPath);
    ::DestroyWindow(list.Detach());
    return 0;
}

#include "discovery/DeviceEntry.h"

#include "mapping/FormatText.h"
#include "mapping/PortRecord.h"

namespace {

const char* const kInterfaceNames[] = {"Ethernet", "WiFi", "Ethernet2"};
const std::uint8_t kWireless = 1;

}  // namespace

DeviceEntry::DeviceEntry(std::uint32_t source, const DeviceRecord& record, const std::string& name,
                         const std::string& app)
    : m_source(source), m_keyMac(KeyMac(record)), m_strName(name), m_strApp(app), m_record(record)
{
}

DeviceEntry::~DeviceEntry()
{
    // Children have no children of their own: a flat loop, no recursion.
    while (m_pFirstChild != nullptr) {
        DeviceEntry* child = m_pFirstChild;
        m_pFirstChild = child->m_pNext;
        delete child;
    }
}

void DeviceEntry::Update(std::uint32_t source, const DeviceRecord& record, const std::string& name,
                         const std::string& app)
{
    m_source = source;
    m_record = record;
    m_strName = name;
    m_strApp = app;
}

bool DeviceEntry::PassesAddressCheck() const { return AddressCheck(m_record, m_source); }

bool DeviceEntry::IsDhcp() const { return ConfiguredAddress(m_record) == 0; }

std::uint32_t DeviceEntry::DeviceAddress() const
{
    if (PassesAddressCheck()) return m_source;
    if (ActiveAddress(m_record) != 0) return ActiveAddress(m_record);
    return ConfiguredAddress(m_record);
}

int DeviceEntry::StateImage() const
{
    if (m_pFirstChild != nullptr) return 1;
    const int image = InterfaceKind(m_record) == kWireless ? 4 : 2;
    return PassesAddressCheck() ? image : image + 1;
}

std::string DeviceEntry::Label() const
{
    if (m_pFirstChild != nullptr) {
        return FormatText("%s running %s", m_strName.c_str(), m_strApp.c_str());
    }
    const std::uint32_t address = DeviceAddress();
    const int a = AddressByte(address, 0), b = AddressByte(address, 1), c = AddressByte(address, 2),
              d = AddressByte(address, 3);
    if (m_pParent != nullptr) {
        const char* interfaceName = kInterfaceNames[InterfaceKind(m_record) % 3];
        return IsDhcp() ? FormatText("%s DHCP'd at %d.%d.%d.%d", interfaceName, a, b, c, d)
                        : FormatText("%s at %d.%d.%d.%d", interfaceName, a, b, c, d);
    }
    // The second form has two blanks before "at".
    return IsDhcp() ? FormatText("%s DHCP'd at %d.%d.%d.%d running %s", m_strName.c_str(), a, b, c,
                                 d, m_strApp.c_str())
                    : FormatText("%s  at %d.%d.%d.%d running %s", m_strName.c_str(), a, b, c, d,
                                 m_strApp.c_str());
}

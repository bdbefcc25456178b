#include "mapping/ProtocolItem.h"

#include "mapping/PortRecord.h"

int ProtocolItemOfKind(std::int32_t mode)
{
    switch (mode) {
    case ProtocolUdp:
        return 1;
    case ProtocolTelnetClient:
        return kNoProtocolItem;
    default:
        return 0;
    }
}

std::int32_t KindOfProtocolItem(int item, std::int32_t kindWithoutItem)
{
    switch (item) {
    case 0:
        return ProtocolTcpClient;
    case 1:
        return ProtocolUdp;
    default:
        return kindWithoutItem;
    }
}

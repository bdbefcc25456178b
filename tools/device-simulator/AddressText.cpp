#include "AddressText.h"

std::string AddressText(const Address& address)
{
    return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) +
           "." + std::to_string(address[3]);
}

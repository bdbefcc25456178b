#include "editdlg/EditConversions.h"

#include "mapping/DecimalValue.h"
#include "mapping/FormatText.h"

std::uint16_t PortOfText(const std::string& text)
{
    return static_cast<std::uint16_t>(static_cast<unsigned>(DecimalValue(text)) & 0xFFFFu);
}

std::string ComItemText(int n) { return FormatText("COM%d", n); }

int ComNumberOfItem(const std::string& itemText)
{
    return itemText.size() > 3 ? DecimalValue(itemText.c_str() + 3) : 0;
}

// Tandrel.exe's resources as built: dialog layouts, icon, strings, version and
// manifest, read from the executable without running it.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/DialogTemplate.h"
#include "tests/support/Driver.h"

namespace {

const std::string kExe = TestProgramFolder() + "Tandrel.exe";
const DWORD kChild = WS_CHILD | WS_VISIBLE;

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
    short x, y, cx, cy;
    DWORD style;
};

void ExpectControls(const DialogTemplate& dialog, const std::vector<ExpectedControl>& expected)
{
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const TemplateControl& actual = dialog.controls[i];
        const ExpectedControl& want = expected[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + want.text + "\"");
        EXPECT_EQ(actual.id, want.id);
        EXPECT_EQ(::lstrcmpiA(actual.className.c_str(), want.className), 0)  // case does not matter
            << actual.className << " vs " << want.className;
        EXPECT_EQ(actual.text, want.text);
        EXPECT_EQ(actual.x, want.x);
        EXPECT_EQ(actual.y, want.y);
        EXPECT_EQ(actual.cx, want.cx);
        EXPECT_EQ(actual.cy, want.cy);
        EXPECT_EQ(actual.style, want.style) << std::hex << actual.style << " vs " << want.style;
        EXPECT_EQ(actual.exStyle, 0u);
    }
}

// Caption, size in dialog units, "MS Sans Serif" 8, styles.
void ExpectFrame(const DialogTemplate& dialog, const char* caption, short cx, short cy, DWORD style, DWORD exStyle)
{
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.cx, cx);
    EXPECT_EQ(dialog.cy, cy);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    EXPECT_EQ(dialog.style, DS_SETFONT | style);
    EXPECT_EQ(dialog.exStyle, exStyle);
}

const DWORD kModalFrame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

TEST(ProgramResources, PortListWindowTemplate)
{
    const DialogTemplate dialog = LoadDialogTemplate(kExe, 102);
    ExpectFrame(dialog, "Tandrel", 320, 164, kModalFrame | WS_VISIBLE, WS_EX_APPWINDOW);

    const DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    ExpectControls(dialog, {
        {IDOK, "Button", "OK", 209, 143, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {1001, "Button", "New", 263, 15, 50, 14, button},
        {1002, "Button", "Edit", 263, 34, 50, 14, button},
        {1003, "Button", "Delete", 263, 53, 50, 14, button},
        {1004, "Button", "Configure QV", 263, 72, 50, 14, button},
        {1000, "ListBox", "", 7, 7, 250, 128,
         kChild | LBS_SORT | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
             WS_BORDER | WS_TABSTOP},
        {1017, "Button", "Apply", 154, 143, 50, 14, button},
        {IDCANCEL, "Button", "Cancel", 263, 143, 50, 14, button},
    });
}

TEST(ProgramResources, AboutBoxTemplate)
{
    const DialogTemplate dialog = LoadDialogTemplate(kExe, 100);
    ExpectFrame(dialog, "About Tandrel", 235, 55, kModalFrame, 0);
    ExpectControls(dialog, {
        {-1, "Static", "#128", 11, 17, 20, 20, kChild | SS_ICON},
        {-1, "Static", "Tandrel Version 1.0", 40, 10, 119, 8, kChild | SS_LEFT | SS_NOPREFIX},
        {IDOK, "Button", "OK", 178, 7, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    });
}

TEST(ProgramResources, EditDialogTemplate)
{
    const DialogTemplate dialog = LoadDialogTemplate(kExe, 129);
    ExpectFrame(dialog, "Dialog", 293, 74, kModalFrame, 0);

    const DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    const DWORD label = kChild | WS_GROUP | SS_LEFT;  // the resource compiler's LTEXT
    ExpectControls(dialog, {
        {IDOK, "Button", "OK", 178, 53, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "Cancel", 236, 53, 50, 14, button},
        {-1, "Static", "Device IP", 7, 10, 32, 8, label},
        {1005, "SysIPAddress32", "", 68, 7, 100, 15, kChild | WS_TABSTOP},
        {1006, "Button", "Find", 235, 7, 50, 14, button},
        {-1, "Static", "Device Port", 7, 30, 38, 8, label},
        {1007, "Edit", "", 68, 27, 40, 14, kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
        {-1, "Static", "Com Port", 7, 48, 30, 8, label},
        {1008, "ComboBox", "", 68, 46, 48, 113, kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP},
        {1009, "Static", "", 69, 47, 37, 8, label},
        {1011, "Button", "Configure", 177, 7, 50, 14, button},
        {1014, "ComboBox", "", 117, 28, 57, 94, kChild | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    });
}

TEST(ProgramResources, FinderTemplate)
{
    const DialogTemplate dialog = LoadDialogTemplate(kExe, 130);
    ExpectFrame(dialog, "Find Corvanes", 325, 140, kModalFrame, 0);
    ExpectControls(dialog, {
        {IDOK, "Button", "OK", 136, 119, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "Cancel", 268, 119, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
        {-1, "Static", "Select an ELRX", 19, 18, 54, 8, kChild | WS_GROUP | SS_LEFT},
        {1012, "Button", "Search Again", 21, 50, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
        {1013, "SysTreeView32", "", 81, 8, 237, 105,
         kChild | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP},
    });
}

class ProgramModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = ::LoadLibraryExA(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { ::FreeLibrary(module); }

    std::string Resource(LPCSTR type, int id) const
    {
        HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), type);
        if (found == nullptr) return std::string();
        const char* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
        return std::string(data, ::SizeofResource(module, found));
    }
    HMODULE module = nullptr;
};

TEST_F(ProgramModule, StringTable)
{
    char text[256];
    ASSERT_GT(::LoadStringA(module, 101, text, sizeof(text)), 0);
    EXPECT_STREQ(text, "&About Tandrel...");
    ASSERT_GT(::LoadStringA(module, 103, text, sizeof(text)), 0);
    EXPECT_STREQ(text, "Windows sockets initialization failed.");
}

// What the edit dialog's protocol list is filled with when it is created.
TEST_F(ProgramModule, EditDialogInitialisationData)
{
    std::string expected;
    for (const char* item : {"TCP", "UDP"}) {
        expected += std::string("\xF6\x03\x03\x04\x04\x00\x00\x00", 8) + item + std::string(1, '\0');
    }
    expected += std::string(2, '\0');
    EXPECT_EQ(Resource(MAKEINTRESOURCEA(240), 129), expected);
}

TEST_F(ProgramModule, IconHas32And16PixelImagesOf16Colours)
{
    const std::string group = Resource(MAKEINTRESOURCEA(14), 128);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const unsigned count = static_cast<unsigned char>(group[4]);
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::vector<std::pair<int, int>> sizes;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned char* entry = reinterpret_cast<const unsigned char*>(group.data()) + 6 + 14 * i;
        const int bitCount = entry[6] | (entry[7] << 8);
        EXPECT_EQ(bitCount, 4) << "image " << i;
        sizes.push_back({entry[0], entry[1]});
    }
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{32, 32}, {16, 16}}));
}

// The finder's state images: eight 16 x 16 cells of the standard palette,
// on green where a check passed, on red where it failed, the last two white.
TEST_F(ProgramModule, StateImageStrip)
{
    const std::string bitmap = Resource(MAKEINTRESOURCEA(2), 131);  // RT_BITMAP
    ASSERT_GE(bitmap.size(), sizeof(BITMAPINFOHEADER) + 16 * 4 + 64 * 16);
    BITMAPINFOHEADER header;
    std::memcpy(&header, bitmap.data(), sizeof(header));
    EXPECT_EQ(header.biWidth, 128);
    EXPECT_EQ(header.biHeight, 16);
    EXPECT_EQ(header.biBitCount, 4);
    const auto* palette = reinterpret_cast<const RGBQUAD*>(bitmap.data() + header.biSize);
    const auto* pixels = reinterpret_cast<const unsigned char*>(bitmap.data() + header.biSize + 16 * 4);

    // The colour of pixel (x, y), y counted from the top.
    auto colour = [&](int x, int y) {
        const unsigned char packed = pixels[(15 - y) * 64 + x / 2];
        const RGBQUAD& entry = palette[(x % 2) ? (packed & 0x0F) : (packed >> 4)];
        return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
    };
    const COLORREF green = RGB(0, 128, 0), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    const COLORREF backgrounds[] = {green, green, green, red, green, red, white, white};
    for (int cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(colour(cell * 16, 15), backgrounds[cell]) << "cell " << cell;
    }
    int nonWhite = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_NE(colour(x, y), RGB(16, 0, 0)) << "no pixel may be transparent";
            if (x >= 96 && colour(x, y) != white) ++nonWhite;
        }
    }
    EXPECT_EQ(nonWhite, 0) << "cells 6 and 7 are plain white";
}

TEST_F(ProgramModule, ManifestAsksForAdministratorRights)
{
    const std::string manifest = Resource(MAKEINTRESOURCEA(24), 1);  // RT_MANIFEST
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
}

TEST(ProgramResources, VersionInformation)
{
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(kExe.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(::GetFileVersionInfoA(kExe.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

    for (const char* name : {"ProductName", "FileDescription"}) {
        char* text = nullptr;
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(::VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, "Tandrel");
    }
    char* version = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductVersion",
                                 reinterpret_cast<void**>(&version), &length));
    EXPECT_STREQ(version, "1.0");
}

}  // namespace

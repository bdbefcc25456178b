#include "tests/support/DialogTemplate.h"

#include <stdexcept>

namespace {

class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}

    WORD Word()
    {
        const BYTE* p = Take(2);
        return static_cast<WORD>(p[0] | (p[1] << 8));
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return Take(1)[0]; }

    std::string WideString()
    {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word()) text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        return text;
    }

    // A name or an ordinal: nothing, 0xFFFF and a number, or a string.
    std::string NameOrOrdinal(WORD* ordinal = nullptr)
    {
        const WORD first = PeekWord();
        if (first == 0) {
            Word();
            return std::string();
        }
        if (first == 0xFFFF) {
            Word();
            const WORD number = Word();
            if (ordinal != nullptr) *ordinal = number;
            return "#" + std::to_string(number);
        }
        return WideString();
    }

    void AlignToDword() { m_at = (m_at + 3) & ~static_cast<DWORD>(3); }
    void Skip(DWORD count) { Take(count); }

private:
    WORD PeekWord() const
    {
        if (m_at + 2 > m_size) throw std::runtime_error("dialog template ends early");
        return static_cast<WORD>(m_data[m_at] | (m_data[m_at + 1] << 8));
    }
    const BYTE* Take(DWORD count)
    {
        if (count > m_size || m_at > m_size - count) throw std::runtime_error("dialog template ends early");
        const BYTE* p = m_data + m_at;
        m_at += count;
        return p;
    }

    const BYTE* m_data;
    DWORD m_size;
    DWORD m_at = 0;
};

// Window class names are case-insensitive, and a template may name a
// predefined class by ordinal or by name: both give the canonical name.
std::string CanonicalClassName(const std::string& name)
{
    static const char* const predefined[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    for (const char* canonical : predefined) {
        if (::lstrcmpiA(name.c_str(), canonical) == 0) return canonical;
    }
    return name;
}

std::string PredefinedClass(WORD ordinal)
{
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return "#" + std::to_string(ordinal);
    }
}

}  // namespace

DialogTemplate LoadDialogTemplate(const std::string& path, int templateId)
{
    HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) throw std::runtime_error("cannot load " + path);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    if (resource == nullptr) {
        ::FreeLibrary(module);
        throw std::runtime_error("no dialog " + std::to_string(templateId) + " in " + path);
    }
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    TemplateReader reader(data, ::SizeofResource(module, resource));

    DialogTemplate dialog = {};
    if (reader.Word() != 1 || reader.Word() != 0xFFFF) {
        ::FreeLibrary(module);
        throw std::runtime_error("dialog " + std::to_string(templateId) + " is not a DIALOGEX");
    }
    reader.Dword();  // help id
    dialog.exStyle = reader.Dword();
    dialog.style = reader.Dword();
    const WORD count = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    reader.NameOrOrdinal();  // menu
    reader.NameOrOrdinal();  // class
    dialog.caption = reader.WideString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = reader.Word();
        reader.Word();  // weight
        reader.Byte();  // italic
        reader.Byte();  // character set
        dialog.typeface = reader.WideString();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        TemplateControl control = {};
        reader.Dword();  // help id
        control.exStyle = reader.Dword();
        control.style = reader.Dword();
        control.x = reader.Short();
        control.y = reader.Short();
        control.cx = reader.Short();
        control.cy = reader.Short();
        control.id = static_cast<int>(static_cast<short>(reader.Dword()));
        WORD classOrdinal = 0;
        control.className = reader.NameOrOrdinal(&classOrdinal);
        control.className = classOrdinal != 0 ? PredefinedClass(classOrdinal)
                                              : CanonicalClassName(control.className);
        control.text = reader.NameOrOrdinal();
        reader.Skip(reader.Word());  // creation data
        dialog.controls.push_back(control);
    }
    ::FreeLibrary(module);
    return dialog;
}

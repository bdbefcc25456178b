// Reads a dialog template (DIALOGEX) out of a program's resources, so tests
// can compare it with the layout the program must have.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TemplateControl {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    int id;            // -1 for a static without identifier
    std::string className;  // "Button", "Edit", "Static", "ListBox", "ComboBox" (by ordinal or
                            // by name, in any case), or the name given
    std::string text;       // empty when none; "#<n>" for a resource ordinal
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::string caption;
    WORD pointSize;
    std::string typeface;
    std::vector<TemplateControl> controls;
};

// Loads dialog templateId from the module at path (not run). Throws
// std::runtime_error when the module or the template cannot be read.
DialogTemplate LoadDialogTemplate(const std::string& path, int templateId);

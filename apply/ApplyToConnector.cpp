// The apply sequence: stop the connector, rewrite its configuration from the
// rows of the port list, start it again.
#include <string>
#include <vector>

#include "apply/ControlProgram.h"
#include "apply/RunCommand.h"
#include "mapping/ConnectorStore.h"
#include "portlist/TandrelDlg.h"

namespace {

std::string JoinLines(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += "\n" + name;
    return text;
}

}  // namespace

ApplyOutcome CTandrelDlg::ApplyToConnector()
{
    const std::string path = ReadControlProgramPath();
    if (path.empty()) {
        AfxMessageBox("Not properly installed can not stop service", MB_OK);
        return ApplyOutcome::NotInstalled;
    }
    const std::string notStarted = "The connector control program could not be started:\n" + path;

    int streamFlag = 0;
    bool started = false;
    RunCommand(path, "disable", streamFlag, &started);
    const bool toldNotStarted = !started;
    if (!started) AfxMessageBox(notStarted.c_str(), MB_OK);

    BeginWaitCursor();
    std::vector<std::string> undeletable;
    bool saved = DeleteAllMappings(undeletable);
    const int count = m_list.GetCount();
    for (int i = 0; i < count; ++i) {
        int com_port = 0, mode = 0;
        DWORD ipa = 0;
        WORD net_port = 0;
        ParseRow(i, com_port, ipa, net_port, mode);
        if (!WriteMapping(com_port, ipa, net_port, mode)) saved = false;
    }
    streamFlag = 0;
    RunCommand(path, "enable", streamFlag, &started);
    EndWaitCursor();

    if (!started && !toldNotStarted) AfxMessageBox(notStarted.c_str(), MB_OK);
    if (!undeletable.empty()) {
        AfxMessageBox(("These entries of the connector configuration could not be removed:" +
                       JoinLines(undeletable))
                          .c_str(),
                      MB_OK | MB_ICONWARNING);
    }
    if (!saved) {
        AfxMessageBox("The connector configuration could not be written, so the changes are not "
                      "saved.\nTandrel must run as an administrator to change it.",
                      MB_OK | MB_ICONSTOP);
        return ApplyOutcome::NotSaved;
    }
    return ApplyOutcome::Applied;
}

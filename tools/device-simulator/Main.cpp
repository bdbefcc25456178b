// A stand-in for the networked device servers: answers the finder's
// discovery queries with the replies of the device interfaces a config file
// describes. Runs only inside a private network namespace.
//
//   device-simulator --config FILE [--log FILE] [--port N]
//   device-simulator --config FILE --print-reply
//
// Exit status: 0 after SIGTERM or SIGINT, 1 when the socket fails, 2 for a
// bad command line or config, 3 outside a private network namespace.
#include <signal.h>
#include <sys/signalfd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "AddressText.h"
#include "ConfigParser.h"
#include "DeviceReply.h"
#include "EventLog.h"
#include "HexText.h"
#include "LocalAddresses.h"
#include "PrivateNamespace.h"
#include "Simulator.h"

namespace {

const int kSocketFailed = 1;
const int kBadInput = 2;
const int kNotPrivate = 3;

struct Options {
    std::string configPath;
    std::string logPath;
    int port = 20034;
    bool printReply = false;
};

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "device-simulator: %s\n", problem.c_str());
    std::fprintf(stderr,
                 "usage: device-simulator --config FILE [--log FILE] [--port N]\n"
                 "       device-simulator --config FILE --print-reply\n");
    return kBadInput;
}

bool ParsePort(const std::string& text, int& port)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    port = std::stoi(text);
    return port >= 1 && port <= 65535;
}

// An empty problem text when the command line is good.
std::string ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--print-reply") {
            options.printReply = true;
        } else if (argument == "--config" && hasValue) {
            options.configPath = argv[++i];
        } else if (argument == "--log" && hasValue) {
            options.logPath = argv[++i];
        } else if (argument == "--port" && hasValue) {
            if (!ParsePort(argv[++i], options.port)) return std::string("bad port '") + argv[i] + "'";
        } else {
            return "unexpected argument '" + argument + "'";
        }
    }
    if (options.configPath.empty()) return "--config FILE is required";
    return "";
}

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

int RefuseOutsidePrivateNamespace()
{
    std::vector<std::string> foreign;
    if (!FindForeignInterfaces(foreign)) {
        std::fprintf(stderr, "device-simulator: refusing to run: cannot list the network interfaces\n");
        return kNotPrivate;
    }
    if (foreign.empty()) return 0;
    std::string names;
    for (const std::string& name : foreign) names += " " + name;
    std::fprintf(stderr,
                 "device-simulator: refusing to run outside a private network namespace "
                 "(interfaces other than lo, veth*, tnet*, dummy*:%s); start it under unshare --net\n",
                 names.c_str());
    return kNotPrivate;
}

// Each device must answer from an address this namespace has.
int CheckAddressesAreLocal(const std::vector<SimulatedInterface>& devices)
{
    const std::vector<LocalAddress> locals = ListLocalAddresses();
    for (const SimulatedInterface& device : devices) {
        if (FindLocalAddress(locals, device.ip) == nullptr) {
            std::fprintf(stderr, "device-simulator: config line %d: ip %s is not an address of any local interface\n",
                         device.line, AddressText(device.ip).c_str());
            return kBadInput;
        }
    }
    return 0;
}

// SIGTERM and SIGINT arrive as a readable descriptor, so the poll loop sees
// them without a race.
int StopSignalDescriptor()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0) return -1;
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    const std::string problem = ParseOptions(argc, argv, options);
    if (!problem.empty()) return Usage(problem);

    if (!options.printReply) {
        const int refused = RefuseOutsidePrivateNamespace();
        if (refused != 0) return refused;
    }

    std::string text;
    if (!ReadFile(options.configPath, text)) {
        std::fprintf(stderr, "device-simulator: cannot read %s\n", options.configPath.c_str());
        return kBadInput;
    }
    const ConfigResult config = ParseConfig(text);
    if (config.errorLine != 0) {
        std::fprintf(stderr, "device-simulator: %s: config line %d: %s\n", options.configPath.c_str(),
                     config.errorLine, config.error.c_str());
        return kBadInput;
    }

    if (options.printReply) {
        for (const SimulatedInterface& device : config.interfaces) {
            std::printf("%s\n", ToHex(DeviceReply(device)).c_str());
        }
        return 0;
    }

    const int notLocal = CheckAddressesAreLocal(config.interfaces);
    if (notLocal != 0) return notLocal;

    std::FILE* logFile = stderr;
    if (!options.logPath.empty()) {
        logFile = std::fopen(options.logPath.c_str(), "w");
        if (logFile == nullptr) {
            std::fprintf(stderr, "device-simulator: cannot write %s\n", options.logPath.c_str());
            return kBadInput;
        }
    }
    EventLog log(logFile);

    const int stopFd = StopSignalDescriptor();
    if (stopFd < 0) {
        std::perror("device-simulator: signalfd");
        return kSocketFailed;
    }
    Simulator simulator(config.interfaces, log);
    std::string error;
    if (!simulator.Open(options.port, error) || !simulator.Run(stopFd, error)) {
        std::fprintf(stderr, "device-simulator: %s\n", error.c_str());
        return kSocketFailed;
    }
    if (logFile != stderr) std::fclose(logFile);
    return 0;
}

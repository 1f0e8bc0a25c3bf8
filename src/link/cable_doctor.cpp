#include "link/cable_doctor.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "link/port_names.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 2> kUsbSerialPrefixes{"ttyUSB", "ttyACM"};
constexpr std::array<std::string_view, 4> kBrlttyPlaces{"/usr/bin/brltty", "/usr/sbin/brltty",
                                                        "/bin/brltty", "/sbin/brltty"};
constexpr std::string_view kRulesFile = "/etc/udev/rules.d/70-kwprog.rules";

struct Adapter {
    std::string driver;
    std::string vendor;
    std::string product;
};

struct Device {
    std::string path;  // /dev/ttyUSB0
    std::optional<Adapter> adapter;
    std::vector<std::string> links;  // /dev/serial/by-id names that point to it
};

struct Group {
    std::string name;
    std::vector<std::string> members;
};

class Checks {
  public:
    explicit Checks(const SystemView& system) : system_(system) {}

    void devices(bool portGiven);
    void port(const std::string& portName);
    void services();
    void udevRules();

    std::vector<CheckLine> lines;

  private:
    void add(CheckVerdict verdict, std::string text) {
        lines.push_back({verdict, std::move(text)});
    }
    fs::path under(const std::string& path) const {
        return system_.root == "/" || !path.starts_with('/') ? fs::path(path)
                                                             : fs::path(system_.root + path);
    }
    std::string outside(const fs::path& path) const;
    std::optional<Adapter> adapterOf(const std::string& kernelName) const;
    std::optional<Group> groupOf(gid_t gid) const;
    bool mayOpen(const struct stat& info) const;
    void access(const std::string& device, const std::string& kernelName, const struct stat& info);
    void holders(const std::string& device);
    std::map<pid_t, std::string> processes() const;

    const SystemView& system_;
    std::vector<Device> devices_;
    std::optional<Adapter> portAdapter_;
};

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool isUsbSerialName(const std::string& name) {
    return std::any_of(kUsbSerialPrefixes.begin(), kUsbSerialPrefixes.end(),
                       [&](std::string_view prefix) { return name.starts_with(prefix); });
}

std::string modeText(mode_t mode) {
    std::string text = S_ISCHR(mode) ? "c" : "-";
    constexpr std::array<std::pair<mode_t, char>, 9> kBits{{{S_IRUSR, 'r'},
                                                            {S_IWUSR, 'w'},
                                                            {S_IXUSR, 'x'},
                                                            {S_IRGRP, 'r'},
                                                            {S_IWGRP, 'w'},
                                                            {S_IXGRP, 'x'},
                                                            {S_IROTH, 'r'},
                                                            {S_IWOTH, 'w'},
                                                            {S_IXOTH, 'x'}}};
    for (const auto& [bit, letter] : kBits) {
        text += (mode & bit) ? letter : '-';
    }
    return text;
}

std::string adapterText(const Adapter& adapter) {
    std::string text = "driver " + (adapter.driver.empty() ? "unknown" : adapter.driver);
    if (!adapter.vendor.empty()) {
        text += ", USB " + adapter.vendor + ":" + adapter.product;
    }
    return text;
}

}  // namespace

std::string Checks::outside(const fs::path& path) const {
    const std::string text = path.string();
    if (system_.root != "/" && text.starts_with(system_.root)) {
        return text.substr(system_.root.size());
    }
    return text;
}

std::optional<Adapter> Checks::adapterOf(const std::string& kernelName) const {
    const fs::path link = under("/sys/class/tty/" + kernelName + "/device");
    std::error_code error;
    const fs::path device = fs::canonical(link, error);
    if (error) {
        return std::nullopt;
    }
    Adapter adapter;
    adapter.driver = fs::read_symlink(device / "driver", error).filename().string();
    const fs::path top = fs::canonical(under("/sys"), error);
    for (fs::path folder = device; !folder.empty() && folder != top && folder != folder.root_path();
         folder = folder.parent_path()) {
        if (fs::exists(folder / "idVendor", error)) {
            adapter.vendor = firstLine(folder / "idVendor");
            adapter.product = firstLine(folder / "idProduct");
            break;
        }
    }
    return adapter;
}

void Checks::devices(bool portGiven) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(under("/dev"), error)) {
        const std::string name = entry.path().filename().string();
        if (isUsbSerialName(name)) {
            devices_.push_back({"/dev/" + name, adapterOf(name), {}});
        }
    }
    std::sort(devices_.begin(), devices_.end(),
              [](const Device& a, const Device& b) { return a.path < b.path; });
    for (const auto& entry : fs::directory_iterator(under("/dev/serial/by-id"), error)) {
        const std::string target = fs::canonical(entry.path(), error).filename().string();
        for (Device& device : devices_) {
            if (device.path == "/dev/" + target) {
                device.links.push_back("/dev/serial/by-id/" + entry.path().filename().string());
            }
        }
    }
    if (devices_.empty()) {
        add(portGiven ? CheckVerdict::Note : CheckVerdict::Problem,
            "no USB serial device (/dev/ttyUSB*, /dev/ttyACM*) is present: plug the cable in, "
            "and if it still does not show, look at \"sudo dmesg\" for why it was not taken.");
    }
    for (const Device& device : devices_) {
        std::string text = "serial device " + device.path;
        if (device.adapter) {
            text += " (" + adapterText(*device.adapter) + ")";
        }
        for (const std::string& link : device.links) {
            text += ", also named " + link;
        }
        add(CheckVerdict::Ok, text + ".");
    }
}

std::optional<Group> Checks::groupOf(gid_t gid) const {
    std::ifstream in(under("/etc/group"));
    for (std::string line; std::getline(in, line);) {
        std::array<std::string, 4> fields;
        std::istringstream parts(line);
        for (std::string& field : fields) {
            std::getline(parts, field, ':');
        }
        if (fields[2] != std::to_string(gid)) {
            continue;
        }
        Group group{fields[0], {}};
        std::istringstream members(fields[3]);
        for (std::string member; std::getline(members, member, ',');) {
            group.members.push_back(member);
        }
        return group;
    }
    return std::nullopt;
}

bool Checks::mayOpen(const struct stat& info) const {
    if (system_.uid == 0) {
        return true;
    }
    mode_t needed = S_IROTH | S_IWOTH;
    if (info.st_uid == system_.uid) {
        needed = S_IRUSR | S_IWUSR;
    } else if (std::find(system_.groups.begin(), system_.groups.end(), info.st_gid) !=
               system_.groups.end()) {
        needed = S_IRGRP | S_IWGRP;
    }
    return (info.st_mode & needed) == needed;
}

void Checks::access(const std::string& device, const std::string& kernelName,
                    const struct stat& info) {
    const auto group = groupOf(info.st_gid);
    const std::string groupName = group ? group->name : std::to_string(info.st_gid);
    add(CheckVerdict::Ok,
        device + " exists, owner group " + groupName + ", mode " + modeText(info.st_mode) + ".");
    if (mayOpen(info)) {
        add(CheckVerdict::Ok, "you may open " + device + ".");
        return;
    }
    const std::string rule = "a udev rule such as SUBSYSTEM==\"tty\", KERNEL==\"" + kernelName +
                             "\", TAG+=\"uaccess\" in " + std::string(kRulesFile);
    if (info.st_gid == 0) {
        add(CheckVerdict::Problem, "you may not open " + device +
                                       ", which belongs to root alone: give it to the logged-in "
                                       "user with " +
                                       rule + ".");
    } else if (group && std::find(group->members.begin(), group->members.end(), system_.userName) !=
                            group->members.end()) {
        add(CheckVerdict::Problem, "you are a member of the group " + groupName +
                                       ", but this login is not yet: log out and in again "
                                       "(or run \"newgrp " +
                                       groupName + "\" for one shell).");
    } else {
        add(CheckVerdict::Problem, "you may not open " + device + ": join the group " + groupName +
                                       " with \"sudo usermod -aG " + groupName +
                                       " $USER\" and log in again, or add " + rule + ".");
    }
}

std::map<pid_t, std::string> Checks::processes() const {
    std::map<pid_t, std::string> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(under("/proc"), error)) {
        const std::string name = entry.path().filename().string();
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (error != std::errc{} || end != name.data() + name.size()) {
            continue;  // not a process
        }
        if (pid != system_.ownPid) {
            found[pid] = firstLine(entry.path() / "comm");
        }
    }
    return found;
}

void Checks::holders(const std::string& device) {
    std::error_code error;
    std::set<std::string> names{device};
    const fs::path real = fs::canonical(under(device), error);
    if (!error) {
        names.insert(outside(real));
    }
    bool held = false;
    for (const auto& [pid, command] : processes()) {
        // Other users' descriptors are closed to us; what is not readable is not reported.
        for (const auto& fd :
             fs::directory_iterator(under("/proc/" + std::to_string(pid) + "/fd"), error)) {
            if (names.contains(fs::read_symlink(fd.path(), error).string())) {
                // Holding it need not stop us (a pseudo-terminal's far end does too): the
                // wake-up says whether the port is really busy.
                add(CheckVerdict::Note, device + " is open in process " + std::to_string(pid) +
                                            " (" + command +
                                            "); if the port is busy, close that program.");
                held = true;
                break;
            }
        }
    }
    if (!held) {
        add(CheckVerdict::Ok, "no other process has " + device + " open.");
    }
}

void Checks::port(const std::string& portName) {
    const auto device = deviceOf(portName);
    if (!device) {
        add(CheckVerdict::Problem,
            portName + " names no device: give a device path such as /dev/ttyUSB0.");
        return;
    }
    struct stat info {};
    if (::stat(under(*device).c_str(), &info) != 0) {
        add(CheckVerdict::Problem, *device +
                                       " does not exist: plug the cable in, or name one "
                                       "of the serial devices above.");
        return;
    }
    std::error_code error;
    const std::string kernelName = fs::canonical(under(*device), error).filename().string();
    access(*device, kernelName, info);
    holders(*device);
    if (!error && isUsbSerialName(kernelName)) {
        portAdapter_ = adapterOf(kernelName);
    }
}

void Checks::services() {
    std::optional<pid_t> modemManager;
    std::optional<pid_t> brltty;
    for (const auto& [pid, command] : processes()) {
        if (command == "ModemManager") {
            modemManager = pid;
        } else if (command == "brltty") {
            brltty = pid;
        }
    }
    if (modemManager) {
        add(CheckVerdict::Note,
            "ModemManager is running (process " + std::to_string(*modemManager) +
                ") and may take a USB serial adapter for a while after it is plugged in: stop "
                "it with \"sudo systemctl stop ModemManager\", or remove it with \"sudo apt "
                "remove modemmanager\".");
    } else {
        add(CheckVerdict::Ok, "ModemManager is not running.");
    }
    std::error_code error;
    const bool installed = std::any_of(kBrlttyPlaces.begin(), kBrlttyPlaces.end(), [&](auto place) {
        return fs::exists(under(std::string(place)), error);
    });
    if (installed || brltty) {
        add(CheckVerdict::Note,
            std::string("brltty is ") +
                (brltty ? "running (process " + std::to_string(*brltty) + ")" : "installed") +
                " and takes USB serial adapters (such as ch341 and cp210x) it thinks are Braille "
                "displays: unless you use one, remove it with \"sudo apt remove brltty\".");
    } else {
        add(CheckVerdict::Ok, "brltty is not installed.");
    }
}

void Checks::udevRules() {
    std::vector<Adapter> adapters;
    if (portAdapter_) {
        adapters.push_back(*portAdapter_);
    } else {
        for (const Device& device : devices_) {
            if (device.adapter) {
                adapters.push_back(*device.adapter);
            }
        }
    }
    std::set<std::string> suggested;
    for (const Adapter& adapter : adapters) {
        if (adapter.vendor.empty() || !suggested.insert(adapter.vendor + adapter.product).second) {
            continue;
        }
        add(CheckVerdict::Note,
            "a udev rule that lets the logged-in user open this " + adapter.driver +
                " adapter without joining a group, in " + std::string(kRulesFile) +
                ": SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"" + adapter.vendor +
                "\", ATTRS{idProduct}==\"" + adapter.product + "\", TAG+=\"uaccess\"");
    }
}

std::string checkLineText(const CheckLine& line) {
    switch (line.verdict) {
        case CheckVerdict::Ok:
            return "ok: " + line.text;
        case CheckVerdict::Problem:
            return "problem: " + line.text;
        case CheckVerdict::Note:
            break;
    }
    return "note: " + line.text;
}

bool anyProblem(const std::vector<CheckLine>& lines) {
    return std::any_of(lines.begin(), lines.end(),
                       [](const CheckLine& line) { return line.verdict == CheckVerdict::Problem; });
}

SystemView SystemView::current() {
    SystemView system;
    system.uid = ::getuid();
    system.ownPid = ::getpid();
    const int count = ::getgroups(0, nullptr);
    system.groups.resize(static_cast<std::size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, system.groups.data());
    system.groups.resize(static_cast<std::size_t>(std::max(got, 0)));
    system.groups.push_back(::getegid());
    if (const struct passwd* user = ::getpwuid(system.uid)) {
        system.userName = user->pw_name;
    }
    return system;
}

std::vector<CheckLine> cableChecks(const SystemView& system,
                                   const std::optional<std::string>& portName) {
    Checks checks(system);
    checks.devices(portName.has_value());
    if (portName) {
        checks.port(*portName);
    }
    checks.services();
    checks.udevRules();
    return checks.lines;
}

}  // namespace kw

#include "shell/installed_program_registry.h"
#include "shell/system_info.h"

#include "support/fake_registry.h"
#include "support/printers.h"
#include "support/recording_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <utility>

namespace {

std::string read(FakeRegistry& reg, const std::string& key, const std::string& name, std::string valueText = "")
{
    EXPECT_TRUE(getKeyValue(reg, registry::HKEY_LOCAL_MACHINE, key, name, valueText));
    return valueText;
}

}  // namespace

TEST(GetKeyValue, CutsATextAtItsTerminatingZeroOnly)
{
    FakeRegistry reg;
    reg.store("k", "with", {registry::REG_SZ, std::string("C:\\info.exe\0", 12)});
    reg.store("k", "without", {registry::REG_SZ, "C:\\info.exe"});
    reg.store("k", "inner", {registry::REG_SZ, std::string("ab\0c", 4)});
    EXPECT_EQ(read(reg, "k", "with"), "C:\\info.exe");
    EXPECT_EQ(read(reg, "k", "without"), "C:\\info.exe");
    EXPECT_EQ(read(reg, "k", "inner"), std::string("ab\0c", 4));  // only the last character is looked at
    EXPECT_EQ(reg.lastAccess, 0x2003FU);
    EXPECT_EQ(reg.lastRoot, 0x80000002U);
    EXPECT_EQ(reg.open, 0);
}

TEST(GetKeyValue, NumbersAreWrittenFromTheirLastByteInHexAndFormatted)
{
    FakeRegistry reg;
    reg.store("k", "n", {registry::REG_DWORD, std::string("\x1a\x01\0\0", 4)});
    reg.store("k", "odd", {3, "xyz"});
    // Bytes 1A 01 00 00 lose their last zero, then read backwards: 0, 1, 1A -> &h011A.
    EXPECT_EQ(read(reg, "k", "n"), "282");
    EXPECT_EQ(read(reg, "k", "n", "7"), "459034");  // appended to what the text held: &h7011A
    EXPECT_EQ(read(reg, "k", "n", "path"), "&hpath011A");
    EXPECT_EQ(read(reg, "k", "odd", "kept"), "kept");  // any other type counts as read and changes nothing
}

TEST(GetKeyValue, FailuresEmptyTheTextAndCloseWhatWasOpened)
{
    FakeRegistry reg;
    reg.store("k", "empty", {registry::REG_SZ, ""});
    std::string text = "old";
    EXPECT_FALSE(getKeyValue(reg, registry::HKEY_LOCAL_MACHINE, "missing", "v", text));
    EXPECT_EQ(text, "");
    text = "old";
    EXPECT_FALSE(getKeyValue(reg, registry::HKEY_LOCAL_MACHINE, "k", "missing", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(reg.open, 0);
    EXPECT_THROW(getKeyValue(reg, registry::HKEY_LOCAL_MACHINE, "k", "empty", text), std::runtime_error);
    EXPECT_EQ(reg.open, 0);
}

TEST(StartSysInfo, TheFirstValueIsStartedUncheckedTheSecondOnlyIfItsFileExists)
{
    {
        FakeRegistry reg;
        FakeStarter starter;
        RecordingSink sink;
        reg.store(registry::MSINFO_KEY, "PATH", {registry::REG_SZ, std::string("C:\\x\\msinfo32.exe\0", 18)});
        startSysInfo(reg, starter, sink);
        EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\x\\msinfo32.exe"});
        EXPECT_TRUE(starter.fileChecks.empty());
        EXPECT_TRUE(sink.shown.empty());
    }
    {
        FakeRegistry reg;
        FakeStarter starter;
        RecordingSink sink;
        reg.store(registry::LOCATION_KEY, "MSINFO", {registry::REG_SZ, "C:\\tools\\"});
        starter.files = {"C:\\tools\\\\MSINFO32.EXE"};  // the stored path is used exactly as it is
        startSysInfo(reg, starter, sink);
        EXPECT_EQ(starter.fileChecks, std::vector<std::string>{"C:\\tools\\\\MSINFO32.EXE"});
        EXPECT_EQ(starter.started, std::vector<std::string>{"C:\\tools\\\\MSINFO32.EXE"});
        EXPECT_TRUE(sink.shown.empty());
    }
}

TEST(StartSysInfo, EveryFailureEndsInOneMessageWithoutAnIcon)
{
    const Message expected{"System Information Is Unavailable At This Time", "Pellucor", MessageIcon::None};
    struct Case {
        const char* what;
        void (*setUp)(FakeRegistry&, FakeStarter&);
    };
    const Case cases[] = {
        {"nothing stored", [](FakeRegistry&, FakeStarter&) {}},
        {"no file behind the folder",
            [](FakeRegistry& r, FakeStarter&) {
                r.store(registry::LOCATION_KEY, "MSINFO", {registry::REG_SZ, "C:"});
            }},
        {"the program does not start",
            [](FakeRegistry& r, FakeStarter& s) {
                r.store(registry::MSINFO_KEY, "PATH", {registry::REG_SZ, "C:\\gone.exe"});
                s.startWorks = false;
            }},
        {"a value of size 0",
            [](FakeRegistry& r, FakeStarter&) {
                r.store(registry::MSINFO_KEY, "PATH", {registry::REG_SZ, ""});
            }},
        {"a number where the path should be",
            [](FakeRegistry& r, FakeStarter& s) {
                r.store(registry::MSINFO_KEY, "PATH", {registry::REG_DWORD, std::string("\x05\0\0\0", 4)});
                s.startWorks = false;
            }},
    };
    for (const Case& c : cases) {
        FakeRegistry reg;
        FakeStarter starter;
        RecordingSink sink;
        c.setUp(reg, starter);
        startSysInfo(reg, starter, sink);
        EXPECT_EQ(sink.shown, std::vector<Message>{expected}) << c.what;
        EXPECT_EQ(reg.open, 0) << c.what;
    }
}

TEST(InstalledProgramRegistry, AnswersWithTheFirstInstalledCandidate)
{
    const auto dir = std::filesystem::temp_directory_path() / "pellucor-sysinfo-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    const auto install = [](const std::filesystem::path& file, bool executable) {
        std::ofstream(file) << "#!/bin/sh\n";
        std::filesystem::permissions(file,
            executable ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read,
            std::filesystem::perm_options::replace);
    };
    const std::string search = (dir / "a").string() + "::" + (dir / "b").string();

    InstalledProgramRegistry none(search);
    FakeStarter starter;
    RecordingSink sink;
    startSysInfo(none, starter, sink);
    EXPECT_EQ(sink.shown.size(), 1U);
    EXPECT_TRUE(starter.started.empty());

    install(dir / "a" / "kinfocenter", false);  // not executable: passed over
    install(dir / "b" / "kinfocenter", true);
    install(dir / "b" / "gnome-system-monitor", true);
    InstalledProgramRegistry found(search);
    sink.shown.clear();
    startSysInfo(found, starter, sink);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(starter.started, std::vector<std::string>{(dir / "b" / "kinfocenter").string()});
    std::filesystem::remove_all(dir);
}

TEST(OrdinaryFile, OnlyAPlainVisibleFileCounts)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pellucor-ordinary-file-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "MSINFO32.EXE.d");
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    std::ofstream(folder / ".hidden") << "x";
    for (const auto& [name, ordinary] : std::vector<std::pair<std::string, bool>>{
             {"MSINFO32.EXE", true}, {".hidden", false}, {"MSINFO32.EXE.d", false}, {"missing", false}})
        EXPECT_EQ(isOrdinaryFile((folder / name).string()), ordinary) << name;
    std::filesystem::remove_all(folder);
}

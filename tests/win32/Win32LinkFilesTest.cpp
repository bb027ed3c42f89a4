#include "platform/win32/Win32LinkFiles.h"

#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <iterator>

#include "platform/win32/ShellIdList.h"
#include "platform/win32/UniqueHandle.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(Win32LinkFiles, ReadsBackWhatTheShellSavedAndSurvivesEveryCutAndFlippedCopy) {
    test::TempFolder temp;
    const std::string target = temp / "tool.exe", arguments = "-a \"b c\" " + std::string(400, 'x');
    WriteBytes(target, "MZ");
    {  // saved through the shell's own link object, as Explorer makes links
        const ComInitializer com;
        ComPtr<IShellLinkA> link;
        ComPtr<IPersistFile> file;
        ASSERT_HRESULT_SUCCEEDED(
            ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid()));
        link->SetPath(target.c_str());
        link->SetArguments(arguments.c_str());
        link->SetWorkingDirectory(temp.path().c_str());
        link->SetIconLocation("C:\\windows\\system32\\shell32.dll", 4);
        link->SetDescription("Runs the tool");
        link->SetHotkey(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT));
        ASSERT_HRESULT_SUCCEEDED(link.As(file));
        const std::string path = temp / "Tool.lnk";
        ASSERT_HRESULT_SUCCEEDED(file->Save(std::wstring(path.begin(), path.end()).c_str(), TRUE));
    }
    const Win32LinkFiles links;
    const std::optional<LinkFileData> read = links.Read(temp / "Tool.lnk");
    ASSERT_TRUE(read);
    // The show command is not compared: Wine's link object saves it but always loads 1.
    EXPECT_EQ(read->path + "|" + read->arguments + "|" + read->workingDirectory + "|" + read->description,
              target + "|" + arguments + "|" + temp.path() + "|Runs the tool");
    EXPECT_EQ(read->iconFile + "," + std::to_string(read->iconIndex), "C:\\windows\\system32\\shell32.dll,4");
    EXPECT_EQ(read->hotKey, MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT));
    const std::optional<UniqueIdList> idList = IdListFromBytes(read->idList);
    ASSERT_TRUE(idList);
    EXPECT_EQ(IdListToBytes(idList->get()), read->idList);

    // Damaged copies (every cut, every fifth byte flipped) read or fail, never crash or hang.
    std::ifstream in(temp / "Tool.lnk", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const ComInitializer com;  // kept up across the reads, as on the window's thread
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        WriteBytes(temp / "Cut.lnk", bytes.substr(0, at));
        (void)links.Read(temp / "Cut.lnk");
        if (at % 5 != 0) continue;
        std::string flipped = bytes;
        flipped[at] = static_cast<char>(~flipped[at]);
        WriteBytes(temp / "Flipped.lnk", flipped);
        (void)links.Read(temp / "Flipped.lnk");
    }
    EXPECT_FALSE(links.Read(temp / "Missing.lnk") || links.Read(target));
}

TEST(Win32LinkFiles, IdListsFromStoredBytesMustEndInsideThem) {
    const std::string item("\x06\x00\xAA\xBB\xCC\xDD", 6);
    const struct {
        std::string bytes;
        bool accepted;
    } cases[] = {{item + std::string(2, '\0'), true}, {std::string(4, '\0'), false}, {item + item, false},
                 {std::string("\xFF\x00\x01\x02\x03\x00\x00", 7), false}, {std::string("\x01\x00\x00\x00\x00", 5), false}};
    for (const auto& c : cases) EXPECT_EQ(IdListFromBytes(c.bytes).has_value(), c.accepted) << c.bytes.size();
}

}  // namespace
}  // namespace qx

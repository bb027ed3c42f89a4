#pragma once
#include <cstdint>
#include <string>

#include "platform/SecretText.h"

namespace qx {

// Bits of LaunchRequest::kind; they also decide the wording of failure reports.
namespace launch_kind {
inline constexpr std::uint8_t kWebAddress = 1;
inline constexpr std::uint8_t kCommand = 2;
inline constexpr std::uint8_t kFile = 4;
inline constexpr std::uint8_t kDefaultBrowser = 8;  // only together with kWebAddress
}  // namespace launch_kind

// After a launch: 0 minimises unless Alt was held when it was queued, 1 always, 2 never.
enum class MinimiseMode : std::uint8_t { UnlessAlt = 0, Always = 1, Never = 2 };

// Everything one launch needs; the launch pipeline fills it and a worker carries it out.
struct LaunchRequest {
    std::string fileName;
    std::string workingFolder;
    std::string parameters;
    std::string idListBytes;  // binary shell item ID list
    std::wstring runAsUser;   // empty: the current user
    SecretText password;      // only ever the prompt's answer at launch time
    std::uint8_t kind = 0;
    // An item of the folder view, opened by its ID list. The request owns copies of the item's
    // facts, so a launch thread never reaches into the view.
    std::string shellItemIdList;  // absolute ID list bytes of a folder-view item; empty: none
    std::string shellItemPath;    // its file-system path; empty for virtual items
    bool shellItemIsFolder = false;
    MinimiseMode minimiseMode = MinimiseMode::UnlessAlt;
    bool keepInputFree = false;
    // The modifiers as they were when the user pressed Enter or double-clicked, however late the
    // launch runs: Shift copies the target instead of launching, Alt keeps the window (mode 0).
    bool shiftHeld = false;
    bool altHeld = false;
};

}  // namespace qx

#pragma once
#include "platform/LogonProcessStarter.h"

namespace qx {

// CreateProcessWithLogonW with the user's profile, shown normally.
class Win32LogonProcessStarter : public ILogonProcessStarter {
public:
    std::uint32_t StartAsUser(const std::wstring& user, const std::wstring& password,
                              const std::wstring& commandLine) override;
};

}  // namespace qx

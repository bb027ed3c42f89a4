#pragma once
#include <string>

#include "store/EntryStore.h"

namespace qx::test {

// The program as installed in C:\Apps\Quillox for the user ann, with English shell names.
inline const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";

inline StoreContext TestStoreContext(IFileSystem& fs, const ISystemInfo& system, EntryStoreHooks hooks = {}) {
    return StoreContext{fs, system, ComputeFolderSet("C:\\Apps\\Quillox\\Quillox.exe", "C:\\Users\\ann"),
                        ShellRootNames{"Recycle Bin\\", "My Computer\\", "Control Panel\\", "Network\\"},
                        std::move(hooks)};
}

}  // namespace qx::test

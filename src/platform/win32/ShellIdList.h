#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/UniqueHandle.h"
#include <shtypes.h>

namespace qx {

// Whether the bytes begin with a whole ID list: items whose sizes keep inside the bytes, then
// the terminator.
bool IsWholeIdList(std::string_view bytes);

// A stored ID list handed back to the shell: a copy in shell memory, or nothing when the
// bytes are four or fewer or do not form a terminated ID list inside them (the stored form
// is text a user may edit, and the shell walks a list by its item sizes without checking).
std::optional<UniqueIdList> IdListFromBytes(const std::string& bytes);

// An ID list the folder view handed out, back in shell memory: any whole list, the desktop's
// empty one included; nothing for bytes that do not form one.
std::optional<UniqueIdList> ShellItemIdListFromBytes(const std::string& bytes);

// The bytes of an ID list from the shell, its terminator included; empty for none.
std::string IdListToBytes(const ITEMIDLIST* idList);

}  // namespace qx

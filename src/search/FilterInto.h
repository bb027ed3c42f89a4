#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "controls/RowList.h"

namespace qx {

// The matcher and ranker shared by the entry, command, URL and folder searches. Each line is
// matched by WildcardPosition on the folded pattern and line; an empty pattern matches every
// line further in. Matches are added to target (never cleared) in rank order: prefix matches
// whose line holds "$onTop" (the last one found first), the other prefix matches, whatever
// target held before, then the other matches; each group in source order.

// Plain lines (the histories, folder listings): a row's text is its line, and it carries no
// data object.
void FilterInto(std::string_view pattern, const std::vector<std::string>& source, RowList& target);

// A row list: rows refer to the source items' data objects, which must outlive them.
// With entryList (same order and count as source), item i is shown under the Name of entry i
// and only when that entry's WinVersion is 0 or windowsVersion.
void FilterInto(std::string_view pattern, const RowList& source, RowList& target,
                RowList* entryList, int windowsVersion);

}  // namespace qx

#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Status.h"

namespace qx {

// Text files as lists of lines: ANSI bytes, written with CR LF. Reading accepts CR LF,
// a lone LF and a lone CR alike; an ending after the last line adds no empty line, and a
// UTF-8 byte order mark in front of the first line (left by some editors) is dropped.

void SplitLines(std::string_view text, std::vector<std::string>& lines);
// The same lines as views into text, for readers that parse them at once.
std::vector<std::string_view> SplitLineViews(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);

// On failure the list is emptied and the system's message returned.
Status LoadListFile(std::vector<std::string>& list, const std::string& file, const IFileSystem& fs);
// The whole file for SplitLineViews; on failure contents is emptied.
Status ReadListFile(std::string& contents, const std::string& file, const IFileSystem& fs);
// Replaces the file as one step: on failure the old file stays.
Status SaveListFile(const std::vector<std::string>& list, const std::string& file, IFileSystem& fs);
// The same for text already joined by JoinLines (saves a copy of large lists).
Status SaveTextFile(const std::string& text, const std::string& file, IFileSystem& fs);

}  // namespace qx

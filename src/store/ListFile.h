#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace qx {

// Text files as lists of lines: ANSI bytes, written with CR LF. Reading accepts CR LF,
// a lone LF and a lone CR alike; an ending after the last line adds no empty line, and a
// UTF-8 byte order mark in front of the first line (left by some editors) is dropped.

void SplitLines(std::string_view text, std::vector<std::string>& lines);
// The same lines as views into text, for readers that parse them at once.
std::vector<std::string_view> SplitLineViews(std::string_view text);
std::string JoinLines(const std::vector<std::string>& lines);

// On failure the list is emptied, the system's message is shown as an error, and false returned.
bool LoadListFile(std::vector<std::string>& list, const std::string& file, const IFileSystem& fs,
                  IMessageBoxes& boxes);
// The whole file for SplitLineViews; on failure contents is emptied and the message shown.
bool ReadListFile(std::string& contents, const std::string& file, const IFileSystem& fs, IMessageBoxes& boxes);
// Replaces the file as one step: on failure the old file stays, the message is shown, false returned.
bool SaveListFile(const std::vector<std::string>& list, const std::string& file, IFileSystem& fs,
                  IMessageBoxes& boxes);
// The same for text already joined by JoinLines (saves a copy of large lists).
bool SaveTextFile(const std::string& text, const std::string& file, IFileSystem& fs, IMessageBoxes& boxes);

}  // namespace qx

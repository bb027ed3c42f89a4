#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// The entry search of the result list, run once straight over the bytes of Files.txt.
//
// A process that searches a single time would spend nearly all of it building the EntryList
// (100,000 entries parsed, allocated and sorted) for a few hundred rows. Here only the lines
// that can match are parsed: the file is scanned, folded, for the pattern's longest piece, and
// just the lines holding it are parsed and matched in full; the matches alone are then put in
// EntryList order. The rows are the ones the program's list shows for the same input:
//  - lines are what the store reads (CR LF, LF or CR ends; a leading UTF-8 mark dropped);
//  - a line with an empty Name is no entry; WinVersion other than 0 or windowsVersion hides it;
//  - ranks, "$onTop" and the order within each rank group follow EntryList order, that is
//    the store's case-insensitive Name order. Where matches share a Name up to case, their
//    order is that of the store's (unstable) sort, so the whole list is sorted then.
// Offset of the first occurrence of needle (already folded) in data[from, end) as the
// matcher folds it; npos when there is none or needle is empty. Reads nothing past end.
std::size_t FindFolded(const char* data, std::size_t from, std::size_t end, std::string_view needle);

class QuickEntrySearch {
public:
    // fileBytes: the whole Files.txt. convertExecutePrefix: a first launch reads lines that
    // begin "execute: " as beginning "exe: ", as the store does then.
    QuickEntrySearch(std::string fileBytes, bool convertExecutePrefix);

    // The row texts for an input line in entry mode (the whole input is the pattern).
    std::vector<std::string> Search(std::string_view pattern, int windowsVersion) const;

private:
    struct Line {
        std::size_t begin;
        std::size_t end;
    };
    struct Match {
        std::size_t begin;  // offset of the line: file order
        std::string name;
        std::string key;    // the Name folded as the store sorts it
        int position;
        bool pinned;
    };

    // The lines that may match, in file order: those holding the piece (none when null is
    // given: then every line), and every escaped line, whose columns differ from its bytes.
    std::vector<Line> CandidateLines(const std::string* piece) const;
    Line LineAround(std::size_t offset) const;
    // The line as the store reads it, with the first-launch conversion.
    std::string_view LineText(const Line& line, std::string& converted) const;
    // Puts matches into EntryList order.
    void OrderAsEntryList(std::vector<Match>& matches) const;

    std::string raw_;  // the file bytes
    std::size_t textBegin_ = 0;  // past a UTF-8 byte order mark
    std::size_t textEnd_ = 0;
    bool convertExecutePrefix_;
};

}  // namespace qx

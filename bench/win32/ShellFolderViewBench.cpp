// How long the hidden shell folder view takes to show a big folder: a temp folder of N files
// (10,000 by default) is entered from its parent and read again with Refresh, several rounds;
// the file system's own enumeration of the same folder is timed beside it. Prints medians.
//
//   quillox_shell_view_bench.exe [--files=N] [--rounds=N]
#include "platform/win32/Win32Api.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32ShellFolderView.h"
#include "win32/ShellViewWalk.h"
#include "win32/TempFolder.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double MedianMs(int rounds, Work work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const double start = NowMs();
        work();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::size_t FindFileCount(const std::string& folder) {
    WIN32_FIND_DATAA data;
    qx::UniqueFindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &data));
    std::size_t count = 0;
    if (find) {
        do ++count;
        while (::FindNextFileA(find.get(), &data));
    }
    return count;
}

int ArgumentValue(int argc, char** argv, const std::string& name, int fallback) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(name, 0) == 0) return std::atoi(argument.c_str() + name.size());
    }
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = ArgumentValue(argc, argv, "--files=", 10000);
    const int rounds = ArgumentValue(argc, argv, "--rounds=", 5);
    qx::test::TempFolder temp;
    const std::string folder = temp / "big";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        const std::string name = folder + "\\file" + std::to_string(i * 7919 % 100000) + ".txt";
        qx::UniqueKernelHandle file(::CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    }

    qx::Win32ShellFolderView view;
    if (!qx::test::Reach(view, temp.path()) || view.Items().size() != 1) {
        std::fprintf(stderr, "could not reach %s through the shell\n", temp.path().c_str());
        return 1;
    }
    const double enter = MedianMs(rounds, [&] {
        view.EnterItem(0);
        view.GoUp();
    });
    view.EnterItem(0);
    const std::size_t shown = view.Items().size();
    const double refresh = MedianMs(rounds, [&] { view.Refresh(); });
    std::size_t found = 0;
    const double findFiles = MedianMs(rounds, [&] { found = FindFileCount(folder); });

    std::printf("items %zu (FindFirstFile %zu, \".\" and \"..\" included), median of %d rounds\n", shown, found,
                rounds);
    std::printf("enter the folder and go up again  %8.1f ms\n", enter);
    std::printf("refresh the shown folder          %8.1f ms\n", refresh);
    std::printf("FindFirstFile/FindNextFile alone  %8.1f ms\n", findFiles);
    return shown == static_cast<std::size_t>(files) ? 0 : 1;
}

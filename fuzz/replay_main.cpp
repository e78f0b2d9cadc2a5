// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every file of the given corpus folders (and any single files given)
// to a fuzz target's entry point, in name order. The ordinary build links
// each target with this instead of libFuzzer, so the committed seeds run as
// a regression test; a broken promise aborts with its message.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path argument(argv[i]);
        if (fs::is_directory(argument)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argument))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.push_back(argument);
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::cerr << "usage: " << argv[0] << " CORPUS-FOLDER-OR-FILE...\n(no inputs found)\n";
        return 2;
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << file << '\n';
            return 2;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        std::cout << file.filename().string() << " (" << bytes.size() << " bytes)" << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << files.size() << " inputs replayed\n";
    return 0;
}

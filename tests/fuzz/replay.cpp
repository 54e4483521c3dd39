// Replays kept inputs through the libFuzzer target without libFuzzer: every file in the folders
// given, in name order, each through LLVMFuzzerTestOneInput once, so the same properties are
// checked. A property that fails aborts the run; the input's name is printed before it runs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::size_t total = 0;
    for (int a = 1; a < argc; ++a) {
        std::error_code error;
        std::vector<fs::path> inputs;
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[a], error))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        if (error) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[a], error.message().c_str());
            return 1;
        }
        std::sort(inputs.begin(), inputs.end());
        for (const fs::path& input : inputs) {
            std::ifstream file(input, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            if (file.bad()) {
                std::fprintf(stderr, "cannot read %s\n", input.c_str());
                return 1;
            }
            std::printf("%s\n", input.c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        }
        std::printf("%zu inputs replayed from %s\n", inputs.size(), argv[a]);
        total += inputs.size();
    }
    if (total == 0) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    return 0;
}

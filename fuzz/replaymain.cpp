// Runs a fuzz target over stored inputs without libFuzzer, so that the starting corpora and
// every saved finding stay regression tests in ordinary (and sanitizer) builds.
// Arguments: files or folders of inputs; a missing path is skipped.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size);

namespace {

void runInput(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto &entry : std::filesystem::recursive_directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    runInput(entry.path());
                    ++inputs;
                }
            }
        } else if (std::filesystem::is_regular_file(path)) {
            runInput(path);
            ++inputs;
        }
    }
    std::printf("%d inputs ran clean\n", inputs);
    return inputs > 0 ? 0 : 1;
}

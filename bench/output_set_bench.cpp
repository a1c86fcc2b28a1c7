// What replacing files through an output set costs: a small file alone (as
// the settings file or a design file), and sixteen at once (as all writes
// them), each replacing a file that is there. fsync() dominates on a disk.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "output/output_set.h"

namespace {

namespace fs = std::filesystem;

class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "vorlen-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
        }
    }
    ~Folder() { fs::remove_all(m_path); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

void BM_ReplaceOneSmallFile(benchmark::State& state)
{
    const Folder folder;
    const fs::path file = folder.Path() / "settings.conf";
    const std::string bytes(200, 'x');
    for (auto _ : state) {
        WriteWholeFile(file, bytes);
    }
}
BENCHMARK(BM_ReplaceOneSmallFile)->Unit(benchmark::kMicrosecond);

void BM_ReplaceSixteenFilesTogether(benchmark::State& state)
{
    const Folder folder;
    const std::string bytes(static_cast<std::size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        OutputSet set;
        for (int i = 0; i < 16; ++i) {
            set.Add(folder.Path() / ("file" + std::to_string(i))).Write(bytes);
        }
        set.CommitAll();
    }
}
BENCHMARK(BM_ReplaceSixteenFilesTogether)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

// Stands in for libFuzzer where the compiler has none: runs every file of
// the given folders through LLVMFuzzerTestOneInput, then a fixed number of
// random variations of them. The random start value is fixed, so every run
// tries the same inputs and a failure can be repeated; the input that failed
// is written to standard error, escaped, as the run stops.
//
//   <target>_fuzzer [-runs=N] FOLDER...     (other "-" arguments are ignored)
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::string;

// Pieces that the targets' grammars are made of.
const std::vector<std::string_view> kTokens = {"0",
                                               "1",
                                               "9",
                                               "-",
                                               "+",
                                               ".",
                                               "e",
                                               "E",
                                               "x",
                                               "=",
                                               " ",
                                               ",",
                                               std::string_view("\0", 1),
                                               "--",
                                               "-o",
                                               "--a",
                                               "--df",
                                               "--fg",
                                               "--M",
                                               "--L",
                                               "--size",
                                               "--signal",
                                               "--dump",
                                               "--help",
                                               "blank",
                                               "dft",
                                               "1e400",
                                               "1e-400",
                                               "99999999999999999999",
                                               "inf",
                                               "nan",
                                               "0x1p3",
                                               "8192"};

const Input* g_current = nullptr;

// Called by a sanitizer's report or an abort: the input that failed, as a
// C string literal.
extern "C" void WriteCurrentInput()
{
    if (g_current == nullptr) {
        return;
    }
    std::string text = "failing input: \"";
    for (const char c : *g_current) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            text += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x\"\"", byte);
            text += escaped;
        }
    }
    text += "\"\n";
    if (::write(STDERR_FILENO, text.data(), text.size()) < 0) {
        return;
    }
}

extern "C" void OnAbort(int)
{
    WriteCurrentInput();
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

void Run(const Input& input)
{
    g_current = &input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    g_current = nullptr;
}

std::vector<Input> ReadCorpus(const std::vector<std::filesystem::path>& folders)
{
    std::vector<Input> inputs;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            inputs.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        }
    }
    if (inputs.empty()) {
        inputs.emplace_back();
    }
    return inputs;
}

class Mutator {
public:
    explicit Mutator(const std::vector<Input>& corpus) : m_corpus(corpus) {}

    Input Next()
    {
        Input input = m_corpus[Below(m_corpus.size())];
        const std::size_t steps = 1 + Below(4);
        for (std::size_t step = 0; step < steps; ++step) {
            Mutate(input);
        }
        return input;
    }

private:
    std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : m_random() % bound; }

    void Mutate(Input& input)
    {
        const std::size_t at = Below(input.size() + 1);
        switch (Below(6)) {
        case 0:  // one byte anything
            if (at < input.size()) {
                input[at] = static_cast<char>(Below(256));
            }
            break;
        case 1:  // a token in
            input.insert(at, kTokens[Below(kTokens.size())]);
            break;
        case 2:  // a piece out
            input.erase(at, Below(8));
            break;
        case 3:  // a piece twice
            input.insert(at, input.substr(at, Below(16)));
            break;
        case 4: {  // spliced with another input
            const Input& other = m_corpus[Below(m_corpus.size())];
            input = input.substr(0, at) + other.substr(Below(other.size() + 1));
            break;
        }
        default:  // a run of digits
            input.insert(at, std::string(1 + Below(40), static_cast<char>('0' + Below(10))));
            break;
        }
    }

    const std::vector<Input>& m_corpus;
    std::mt19937_64 m_random{0x766f726c656eULL};
};

}  // namespace

int main(int argc, char* argv[])
{
    long runs = 100000;
    std::vector<std::filesystem::path> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("-runs=")) {
            runs = std::strtol(argv[i] + 6, nullptr, 10);
        } else if (!arg.starts_with("-")) {
            folders.emplace_back(arg);
        }
    }
    __sanitizer_set_death_callback(WriteCurrentInput);
    std::signal(SIGABRT, OnAbort);
    const std::vector<Input> corpus = ReadCorpus(folders);
    for (const Input& input : corpus) {
        Run(input);
    }
    Mutator mutator(corpus);
    for (long i = 0; i < runs; ++i) {
        Run(mutator.Next());
    }
    std::printf("%zu inputs of the starting corpus and %ld random variations: no failure\n",
                corpus.size(), runs);
    return 0;
}
